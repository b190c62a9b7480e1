// SPDX-License-Identifier: MIT
// The terminal of a console program. On Windows, argv holds the arguments in the ANSI code page, which loses
// every character it lacks, and a console shows bytes in its own code page; so the arguments come from the
// wide command line, a console is written in UTF-16, and a pipe or file gets bytes in the code page the
// console reads them back in (what `type`, `more` and `findstr` there show): 932 on a Japanese Windows,
// UTF-8 after `chcp 65001`, the OEM code page when the program has no console. Lines end in CR LF there.
// Elsewhere: argv as the locale decodes it, UTF-8 and LF.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>

namespace aoba::console {

// The arguments, the program's name first, as the user typed them.
QStringList Arguments(int argc, char** argv);

enum class Stream { Output, Error };

// Writes text whose lines end in LF. False when it could not be written whole (a full disk, a closed
// pipe, no such stream), so that the program can say it failed.
bool Write(Stream stream, QStringView text);

#ifdef _WIN32
// The bytes Write gives a file or pipe: lines ended by CR LF, in codePage (65001 is UTF-8), a character the
// code page lacks written as '?', never as a look-alike.
QByteArray Encoded(QStringView text, unsigned codePage);

// The code page for a file or pipe: the console's, or the OEM code page without a console.
unsigned PipeCodePage();
#endif

} // namespace aoba::console
