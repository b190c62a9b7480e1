// Everything that blocks or makes a noise goes through here, so tests can record it instead.
// Message texts are the system's own, lines joined by a single CR.
#pragma once

#include <QString>

class QWidget;

namespace aoba {

class Feedback {
public:
    virtual ~Feedback() = default;
    virtual void Beep() = 0;
    // A refusal: exclamation icon, OK, empty title.
    virtual void Warn(const QString& text) = 0;
    // A notice: no icon, OK, the given title.
    virtual void Inform(const QString& title, const QString& text) = 0;
};

// The real thing: the system beep and modal message boxes over parent.
class DialogFeedback final : public Feedback {
public:
    explicit DialogFeedback(QWidget* parent = nullptr)
        : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void Beep() override;
    void Warn(const QString& text) override;
    void Inform(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};

} // namespace aoba
