#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Write the specimen catalogue, data/001.txt .. data/382.txt, and its manifest data/SHA256SUMS.

The header lines are the true ones; the bodies are invented tables of contents
shaped like the real ones and sized so that every figure of
tools/expected_figures.txt (the file the checker compiles in) comes out exactly.
All figures are counted from the finished text and checked against that file
before a single file is written.  Standard library only; the random stream is
our own so the output is the same on every platform and Python version.
"""
import argparse
import enum
import hashlib
import os
import re
import sys

SP = "\u3000"          # ideographic space
CRLF = "\r\n"
REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# ------------------------------------------------------------------ targets
FIGURES_FILE = os.path.join(REPO, "tools", "expected_figures.txt")


def read_figures(path=FIGURES_FILE):
    """Each figure of the file by name, as the numbers its value holds: [382], [3, 55] for 3 in entry
    55, [49, 95, ...] for a list of entries, [1] or [0] for yes or no."""
    figures = {}
    with open(path, encoding="utf-8") as fh:
        for line in fh:
            if line.strip() and not line.startswith("#"):
                name, value = line.split(None, 1)
                value = value.strip()
                figures[name] = ([1] if value == "yes" else [0] if value == "no"
                                 else [int(x) for x in re.findall(r"\d+", value)])
    return figures


FIGURES = read_figures()


def target(name):
    """A figure that is one number."""
    value, = FIGURES[name]
    return value


T_LINES, T_CHARS, T_BYTES = target("total-lines"), target("total-characters"), target("total-bytes")
T_ARTICLES, T_CONTS = target("article-lines"), target("continuation-lines")
T_TRAIL_LINES, T_TRAIL_ENTRIES = target("trailing-run-lines"), target("trailing-run-entries")
T_STAFF, T_HALFWIDTH = target("staff-entries"), target("half-width-katakana-entries")
T_FW_EQ, T_ASCII_EQ = target("full-width-equals"), target("ascii-equals")
T_CENTRE, T_CENTRE_HW = target("centre-entries"), target("centre-half-width-entries")
T_CENTRE_BOTH = target("centre-both-entries")
T_NINE_ELEVEN, T_NINE_ELEVEN_HW = target("nine-eleven-entries"), target("nine-eleven-half-width-entries")
T_LONGEST_LINE, T_LONGEST_RUN = target("longest-line"), target("longest-run")

# The plan sizes the shortest and the longest entry exactly: (lines, characters, bytes).
SHORTEST, LONGEST = 55, 380
SIZE_55 = tuple(FIGURES[f"fewest-{m}"][0] for m in ("lines", "characters", "bytes"))
SIZE_380 = tuple(FIGURES[f"most-{m}"][0] for m in ("lines", "characters", "bytes"))
assert all(FIGURES[f"fewest-{m}"][1:] == [SHORTEST] and FIGURES[f"most-{m}"][1:] == [LONGEST]
           for m in ("lines", "characters", "bytes")), "the plan makes 55 the shortest entry, 380 the longest"


class Odd(enum.Enum):
    """The irregular body lines the real catalogue holds, one kind a line."""
    STOP = "。 alone, the full stop of the list of names above it"
    SPACE_LED = "a continuation line that begins with a half-width space before its run"
    EMPTY = "an empty line inside the body"
    ONE_SPACE = "a line of one U+3000"
    FIVE_SPACES = "a line of five U+3000"


ODD = {49: Odd.STOP, 95: Odd.STOP, 136: Odd.SPACE_LED, 170: Odd.EMPTY, 331: Odd.ONE_SPACE,
       347: Odd.FIVE_SPACES}
ODD_LINES = {Odd.EMPTY: "", Odd.ONE_SPACE: SP, Odd.FIVE_SPACES: SP * 5}
assert sorted(ODD) == FIGURES["other-line-entries"] and len(ODD) == target("other-lines")
STOPS = [n for n, odd in ODD.items() if odd is Odd.STOP]


class Rng:
    """splitmix64."""
    M = (1 << 64) - 1

    def __init__(self, seed):
        self.s = seed & self.M

    def u64(self):
        self.s = (self.s + 0x9E3779B97F4A7C15) & self.M
        z = self.s
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & self.M
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & self.M
        return z ^ (z >> 31)

    def below(self, n):
        return self.u64() % n

    def between(self, lo, hi):
        return lo + self.below(hi - lo + 1)

    def pick(self, seq):
        return seq[self.below(len(seq))]

    def percent(self, p):
        return self.below(100) < p

    def shuffled(self, seq):
        out = list(seq)
        for i in range(len(out) - 1, 0, -1):
            j = self.below(i + 1)
            out[i], out[j] = out[j], out[i]
        return out

    def sample(self, seq, k):
        """k elements of seq, in the order they stand in seq."""
        return [seq[i] for i in sorted(self.shuffled(range(len(seq)))[:k])]


# ----------------------------------------------------------------- calendar
FW = "０１２３４５６７８９"


def issue_month(n):
    if n <= 3:
        return 1972, 8 + n
    if n <= 12:
        return 1973, n
    if n <= 54:
        return 1974 + (n - 13) // 12, (n - 13) % 12 + 1
    if n == 55:
        return 1977, 6
    if n <= 380:
        return 1977 + (n - 50) // 12, (n - 50) % 12 + 1
    return issue_month(156 if n == 381 else 367)


HEADER_TAIL = {
    28: "（発行・青葉文化の会）",
    30: SP + "（今号より、毎月一回・５日発行）",
    35: SP + "（編集　佐伯和夫　発行　青葉文化の会）",
    39: SP + "（誌代＝１５０円）",
    42: SP + "発行　青葉文化の会事務局",
    80: SP,
    89: "（定価 200円）",
    380: "（終刊号）",
}


def header(n):
    y, m = issue_month(n)
    if n == 1:
        return f"{y}年{m}.15. {FW[1]}号"
    if n in (2, 3):
        return f"{y}.{m:02d}.{(20, 26)[n - 2]}. {FW[n]}号"
    month = FW[m] if m < 10 else str(m)
    if n == 382:
        return f"{y}年{month}月特別号"
    if n <= 9:
        label = SP + FW[n] + "号"
    elif n <= 99:
        label = SP + str(n) + ("増刊号" if n == 55 else "号")
    elif n <= 380:
        label = f" {n}号"
    else:
        label = " 156付録"
    return f"{y}年{month}月{label}" + HEADER_TAIL.get(n, "")


NOTE_382 = SP * 2 + "（青葉文化の会創立三十周年記念）"
# The appendix and the special issue are short enough to write out.
FIXED_BODIES = {
    381: ["　「青葉文化の会会員名簿」（1985年11月現在）",
          "　「会の歩み－創立から十三年－」（年表）",
          "　「会則・役員一覧・入会の",
          "　　ご案内」"],
    382: ["　「創立三十周年記念式典の記録」（2003年５月）",
          "　「祝辞」（青葉市長・青葉市教育長）",
          "　「座談会・青葉文化の会の三十年を振り返って」",
          "　「会員寄稿集－わたしと青葉文化の会－」（五十音順・",
          "　　敬称略）"],
}

# -------------------------------------------------------------------- words
# The lists avoid every fragment of the strings that must occur only where
# they are placed on purpose (check() asserts it); 号 never occurs in a body.
SURNAMES = """佐藤 鈴木 高橋 田中 渡辺 伊藤 山本 中村 小林 加藤 吉田 山田 佐々木 山口 松本
井上 木村 林 清水 山崎 森 池田 橋本 阿部 石川 山下 中島 石井 小川 前田 岡田 長谷川 藤田
後藤 近藤 村上 遠藤 青木 坂本 福田 太田 西村 藤井 岡本 三浦 中野 原田 松田 竹内 小野 田村
中山 和田 森田 上田 内田 柴田 酒井 宮崎 横山 安藤 宮本 大野 小島 谷口 今井 丸山 増田 杉山
村田 大塚 平野 河野 野口 武田 千葉 菅原 木下 久保 佐野 野村 松尾 市川 菊地 杉本 大西 島田
水野 桜井 星野 矢野 浅野 吉川 西田 飯田 北村 五十嵐 川口 関 服部 岩田 土屋 本田 樋口 秋山
永井 中西 吉村 川上 石原 大橋 松岡 浜田 森本 荒木 大谷 内藤 黒田 尾崎 川村 望月 堀 早川
栗原 広瀬 萩原 片山 関口 宮田 本間 須藤 小田 鎌田 篠原 大森 成田 奥村 沢田 川島 桑原""".split()
GIVEN = """太郎 一郎 健一 和夫 茂 博 誠 清 勇 進 実 弘 明 修 正雄 隆 浩 昭 豊 稔 武 勝 功 敏夫
保 義男 幸子 和子 洋子 恵子 京子 節子 美智子 久美子 由美子 悦子 典子 順子 智子 裕子 みどり
ひろみ 真理子 直美 静江 千代 ハル トミ 良子 文子 春江 光男 三郎 健二 秀樹 俊介 康弘 恵美
さとみ""".split()
WORDS = {
    "S": "春 夏 秋 冬 早春 晩秋 初夏 梅雨 師走 正月 雪の日 雨の日 夕暮れ 夜明け 小春日和".split(),
    "P": """青葉台 緑川 北山 城跡 駅前通り 公民館 図書室 裏山 海辺 山里 故郷 商店街 分校 田園
港町 峠道 川辺 団地 農村 下町 高原 湖畔 青葉川 桜並木 旧街道 鎮守の森 山の分校""".split(),
    "N": """子ども 読書 合唱 教育 地域 暮らし 手紙 日記 野菜 草花 昔話 民話 方言 祭り 学校 給食
遠足 運動会 図書館 環境 福祉 平和 家族 友情 旅 山歩き 川遊び 俳句 短歌 詩 絵本 紙芝居 文集
生け花 書道 将棋 料理 健康 星空 野鳥 田植え 稲刈り 雑木林 井戸 蛍 ふるさと 言葉 仕事 老い
青春 戦争 疎開 農業 漁業 機織り 郷土史 石仏 古文書 子守歌 わらべ歌 落ち葉 木の実 朝顔""".split(),
    "E": """文化祭 運動会 総会 研修会 講演会 交流会 読書会 音楽会 写生会 清掃活動 植樹祭 夏祭り
盆踊り 敬老会 バザー 合宿 見学会 料理教室 昔話の会 子ども会 展覧会 写真展 演奏会 映画会""".split(),
    "R": "母 父 祖母 祖父 恩師 友 子どもたち 孫 先輩 妻 夫 娘 息子 隣人 若い人たち 教え子".split(),
    "H": """ﾎﾞﾗﾝﾃｨｱ ﾊﾟｿｺﾝ ｺﾝｻｰﾄ ｷｬﾝﾌﾟ ｸﾗﾌﾞ ﾚﾎﾟｰﾄ ｲﾝﾀﾋﾞｭｰ ｴｯｾｲ ﾆｭｰｽ ｻｰｸﾙ ﾊﾞｻﾞｰ ﾘｻｲｸﾙ
ﾜｰﾌﾟﾛ ｲﾍﾞﾝﾄ ﾌｫｰﾗﾑ ｾﾐﾅｰ ﾃｰﾏ ｽﾎﾟｰﾂ ﾋﾟｱﾉ ｺｰﾗｽ ﾐﾆｺﾐ ｱﾝｹｰﾄ ﾒｯｾｰｼﾞ ｶﾞｲﾄﾞ ﾏｯﾌﾟ ﾘｽﾄ
ﾎｰﾑﾍﾟｰｼﾞ ﾒｰﾙ ﾃﾞｼﾞｶﾒ ﾌﾘｰﾏｰｹｯﾄ ｳｫｰｷﾝｸﾞ ﾊｲｷﾝｸﾞ""".split(),
}
TITLES = """{S}の{P}にて|{N}の思い出|{P}を訪ねて|私と{N}|{N}と{N}|{E}に参加して|{N}について
|{R}への手紙|{N}雑感|{P}の{N}|{S}の{N}|{N}を考える|{N}の今と昔|わが家の{N}|{N}を育てる
|{P}から|{N}のこと|{E}報告|{N}をめぐって|{R}に寄せて|{R}の{N}|{S}を待つ|忘れえぬ{N}
|{N}のある暮らし|{P}の{S}|{E}を終えて|{R}と歩いた{P}|{N}に学ぶ|{S}の便り|{N}ひとすじ
|いま{N}を問う|{P}散歩|{N}と私|{E}の一日|{N}覚え書き|{P}の人びと|{S}に思う|{N}の記録
|{R}の背中|{N}から見えるもの|{Y}年の{N}|第{D}回{E}|PTA{E}の報告|{Y}年{S}の{P}|OB会の{S}
|CDで聴く{N}|TVと子ども|FM放送と{N}
|{P}で{E}を開いて|{R}から聞いた{P}の{N}|{N}と{N}のあいだ|{S}、{P}を歩く|{P}に{N}を訪ねる
|{R}と{N}|{E}を振り返って|{N}を守る人びと|{P}の{N}を調べて|{N}はいま|{N}の話""".replace("\n", "").split("|")
HK_TITLES = """{H}の{N}|{N}と{H}|{H}教室から|{H}報告|{H}･{H}|{H}､{H}､{H}|{P}の{H}
|{H}､はじめました｡|{S}の{H}|{H}を楽しむ|ありがとう｡{H}の皆さん|{H}･{N}""".replace("\n", "").split("|")
SUBTITLES = """{P}の{N}から|{E}の記録|{R}を偲んで|{N}の現場から|{S}の{P}で|{N}をたずねて
|{R}の聞き書き|{P}の{S}|{N}とともに|{E}に寄せて|{E}から|{R}の思い出|{P}にて|{N}の{D}年
|{S}の日記より|{P}の{R}""".replace("\n", "").split("|")
BOOKS = """{P}物語|{N}の{N}|{S}の{P}|{R}の{N}|{N}の時代|{P}風土記|{N}入門|{N}のすすめ|{P}の{N}誌
|{N}百話|{R}の{N}|{N}と日本人|{P}ものがたり""".replace("\n", "").split("|")
REMARKS = """詩 短歌 俳句 随筆 報告 連載 上 下 中 完 投稿 資料 座談会 感想文 聞き書き 紹介 続
童話 創作 講演要旨 第{D}回 その{D} {Y}年 写真 一""".split()
LONG_REMARKS = """{P}の{E}にて|{Y}年{S}の{E}から|{R}の話を聞いて|{E}の記録より|{P}に住んで{D}年
|{N}の会の皆さんと|{P}の{R}から聞く""".replace("\n", "").split("|")
COLUMNS = """青葉の窓 ひろば 読者の声 会員の声 こぼれ話 今月の一冊 私の本棚 随想 ことばの散歩
四季折々 ふるさと探訪 子どもの詩 台所から 事務局だより 会の動き 短歌欄 俳句欄 詩の広場 おしらせ""".split()
STAFF_COLUMNS = "編集後記 編集部 編集委員 表紙 表紙・カット カット 題字 写真 編集担当 編集・発行 校正".split()
ORGS = "婦人部 青年部 編集部 事務局 子ども会 読書会有志 老人クラブ 青葉小学校PTA 青葉中学校三年一組 合唱団".split()
LONG_ORGS = """青葉市教育委員会社会教育課長 青葉市立第一中学校校長 県立青葉高等学校教諭
青葉台地区社会福祉協議会 緑川流域の自然を守る会代表 青葉文化の会名誉会長 青葉市立図書館長
青葉台小学校ＰＴＡ会長 北山郷土史研究会 青葉市民合唱団指揮者""".split()
CREDITS = "文と写真・{M} {P}在住・{M} 聞き手・{M} 絵・{M} 写真・{M} 構成・編集部".split()
D_PAD = {1: "考 抄 記 譜 帖".split(), 2: "雑感 雑記 覚書 点描 断章 随想 小景 余話 回想 拾遺".split(),
         3: "その後 見聞記 探訪記 体験記 日記抄".split()}
R_PAD = "（上） （下） （続） （完） （一） （二）".split()
NO_START = set("、。」』）ﾞﾟｰ･､｡｣ー・")
NO_END = set("「『（｢・＝=")
CLOSERS = "」』｣"


class Kind(enum.Enum):
    """What an item of a table of contents is, and so how its text is made."""
    AUTHOR_TITLE = "author＝「title」, the most common item"
    TITLE = "「title」 alone"
    AUTHOR_BOOK = "author＝『book』 and a few words about it"
    BOOK = "『book』 alone"
    COLUMN = "「column」＝ one name or more"
    INTERVIEW = "インタビュー＝「title」, or 対談＝ two names and 「title」"
    LONG_AUTHOR = "an officer of a body, too long to leave room on its line: the title goes below"
    STAFF = "「staff column」＝ names、…。, the last item of an entry"
    LINE = "a line set down as it stands: a line of a fixed body, an irregular line"


# The kinds whose text holds ＝ (or =, in ASCII_EQUALS of them).
EQUALS_KINDS = (Kind.AUTHOR_TITLE, Kind.AUTHOR_BOOK, Kind.COLUMN, Kind.INTERVIEW, Kind.LONG_AUTHOR, Kind.STAFF)
# How often each kind of item is drawn, in percent, in the order they are tried.
KIND_SHARES = ((Kind.AUTHOR_TITLE, 66), (Kind.TITLE, 11), (Kind.AUTHOR_BOOK, 6), (Kind.BOOK, 4),
               (Kind.COLUMN, 6), (Kind.INTERVIEW, 7))

# Titles that hold the telling strings, each set where place_words() puts it; TAKA marks the one author
# written with the IBM ideograph 髙.
SPECIAL_TITLES = {
    "centre": ["市民センター開館に寄せて", "{P}センターの一日", "センターまつりの報告", "文化センターで学ぶ"],
    "centre_half_width": ["ﾎﾞﾗﾝﾃｨｱｾﾝﾀｰ便り", "ｾﾝﾀｰまつり報告", "市民ｾﾝﾀｰの{H}教室"],
    "nine_eleven_half_width": ["9･11以後の世界", "9･11と平和を考える", "あの9･11から", "9･11と子どもたち",
                               "9･11後の{N}"],
    "nine_eleven": ["９・11から一年", "９・11と報道"],
    "roman_one": ["郷土の歴史Ⅰ"], "roman_two": ["郷土の歴史Ⅱ"], "millimetre": ["8㎜映画の夕べ"],
    "first": ["創刊のことば"], "last": ["終刊のごあいさつ"], "looking_back": ["三十二年を振り返って"],
}
HALF_WIDTH_SPECIALS = ("centre_half_width", "nine_eleven_half_width")
TAKA = "taka"


class Words:
    """Names, titles and remarks drawn from the lists above."""

    def __init__(self, rng):
        self.rng = rng
        self.year = 2004       # of the issue being written; no title looks ahead of it

    def fill(self, pattern):
        def word(m):
            key = m.group(1)
            if key == "Y":
                return str(self.rng.between(1945, self.year - 1))
            if key == "D":
                return str(self.rng.between(2, 30))
            if key == "M":
                return self.person()
            return self.rng.pick(WORDS[key])
        return re.sub(r"\{(\w)\}", word, pattern)

    def person(self):
        return self.rng.pick(SURNAMES) + self.rng.pick(GIVEN)

    def author(self):
        x = self.rng.below(100)
        if x < 75:
            return self.person()
        if x < 84:
            return self.person() + "・" + self.person()
        if x < 93:
            return self.rng.pick(ORGS)
        return self.person() + "（" + self.rng.pick(WORDS["P"]) + "）"

    def title(self, half_width=False):
        return self.fill(self.rng.pick(HK_TITLES if half_width else TITLES))


class Item:
    """One item of an entry: planned first, then written as one or more lines."""

    def __init__(self, kind, continuations=0):
        self.kind = kind
        self.continuations = continuations  # lines it runs on to after its article line
        self.half_width = False             # holds half-width katakana
        self.special = None                 # a key of SPECIAL_TITLES, or TAKA
        self.ascii_equals = False           # "=" instead of "＝"
        self.credit_indent = 0              # a right-aligned credit on a continuation line this deep
        self.exact_length = 0               # the length its text must have
        self.space_led = False              # one more continuation line, led by a half-width space
        self.lines = []
        self.width = 0                      # the line width its entry is set in
        self.stop_below = False             # a staff list whose full stop stands on the next line


# ------------------------------------------------------------------ structure
def first_issue_from(year, month):
    return next(n for n in range(1, 381) if issue_month(n) >= (year, month))


# Body lines of an entry by era: entries grew over the years (up to issue, fewest, most).
BODY_LINES = ((12, 4, 10), (54, 8, 20), (150, 12, 24), (300, 15, 30), (380, 16, 34))
MOST_BODY_LINES = 44                # of any entry but 380, which stays the longest
CONTINUATIONS_OF_380 = 14
TRAILING_RUNS_OF_380 = 3
CREDIT_LINES = 7                    # right-aligned credits on continuation lines, one of them the deepest
CREDITS_FROM = 150
AFTER_NINE_ELEVEN = first_issue_from(2001, 9)
# Where the specimen places its single telling items; a choice of its own, not a figure.
HALF_WIDTH_FROM = 90                # half-width katakana in entries from here on
CENTRE_HALF_WIDTH_FROM = 150
LONGEST_LINE_FROM = 200
CENTRE_IN = range(20, LONGEST)
ROMAN_IN = range(120, 300)
MILLIMETRE_IN = range(20, 150)
TAKA_IN = range(60, 300)


def adjust(rng, values, keys, total, ok):
    """Step values[k] by one until they sum to total, keeping ok(k, v)."""
    diff = total - sum(values[k] for k in keys)
    while diff:
        k = rng.pick(keys)
        step = 1 if diff > 0 else -1
        if ok(k, values[k] + step):
            values[k] += step
            diff -= step


def draw_kind(rng):
    x = rng.below(100)
    for kind, share in KIND_SHARES:
        if x < share:
            return kind
        x -= share
    raise AssertionError("the shares add up to 100")


def plan(rng):
    """The items of entries 1..380: how many, of which kind, how many lines each runs on to."""
    free = [n for n in range(1, 381) if n not in (SHORTEST, LONGEST)]
    # The header and the empty line come before the body.
    body = {SHORTEST: SIZE_55[0] - 2, LONGEST: SIZE_380[0] - 2}
    conts = {SHORTEST: 0, LONGEST: CONTINUATIONS_OF_380}
    for n, lines in FIXED_BODIES.items():
        body[n], conts[n] = len(lines), sum(l.startswith(SP * 2) for l in lines)
    for n in free:
        lo, hi = next((lo, hi) for last, lo, hi in BODY_LINES if n <= last)
        body[n] = rng.between(lo, hi)
    fixed = (SHORTEST, LONGEST, 381, 382)
    adjust(rng, body, free, T_ARTICLES + T_CONTS + len(ODD) - sum(body[n] for n in fixed),
           lambda n, v: (4 if n in ODD else 2) <= v <= MOST_BODY_LINES)
    usable = {n: body[n] - (n in ODD) for n in body}
    for n in free:
        conts[n] = usable[n] * rng.between(5, 40) // 100
    adjust(rng, conts, free, T_CONTS - sum(conts[n] for n in fixed),
           lambda n, v: 0 <= v <= (usable[n] - 2) // 2)
    # The entries whose full stop stands alone end in a staff list, and so does the last issue.
    staff = set(STOPS + [LONGEST] + rng.sample([n for n in free if n not in STOPS], T_STAFF - len(STOPS) - 1))

    entries = {}
    for n in range(1, 381):
        items = [Item(Kind.AUTHOR_TITLE) for _ in range(usable[n] - conts[n])]
        if n in staff:
            items[-1].kind = Kind.STAFF
        for _ in range(conts[n]):
            while True:
                item = items[-1] if (n in staff and rng.percent(25)) else rng.pick(items)
                if item.continuations < (4 if item.kind is Kind.STAFF else 1):
                    item.continuations += 1
                    break
        for item in items:
            if item.kind is Kind.STAFF:
                continue
            if item.continuations and rng.percent(14):
                item.kind = Kind.LONG_AUTHOR
            else:
                item.kind = draw_kind(rng)
                if item.continuations and item.kind in (Kind.TITLE, Kind.BOOK, Kind.COLUMN):
                    item.kind = Kind.AUTHOR_TITLE      # too short to need a second line
        entries[n] = items
    for n, odd in ODD.items():
        if odd is Odd.SPACE_LED:
            entries[n][0].space_led = True
    # 55 is its header, the empty line and one article line.
    header_and_empty = len(header(SHORTEST) + CRLF + CRLF)
    entries[SHORTEST][0].kind = Kind.AUTHOR_TITLE
    entries[SHORTEST][0].exact_length = SIZE_55[1] - header_and_empty - len(SP + CRLF)
    return entries


def plain_titled(entries, n):
    """The items of n that may take a special title: titled, on one line, not sized or marked yet."""
    return [item for item in entries[n] if item.kind in (Kind.AUTHOR_TITLE, Kind.TITLE) and not item.continuations
            and not (item.special or item.exact_length or item.credit_indent or item.ascii_equals)]


def size_items(rng, entries):
    """The items sized exactly: the longest line, and the credits, one on the deepest run. They come first,
    so that later picks pass them over."""
    longest = rng.pick([n for n in range(LONGEST_LINE_FROM, LONGEST) if entries[n][-1].kind is Kind.STAFF
                        and not entries[n][-1].continuations])
    entries[longest][-1].exact_length = T_LONGEST_LINE - 1
    credited = rng.sample([n for n in range(CREDITS_FROM, LONGEST)
                           if any(item.kind is Kind.AUTHOR_TITLE and item.continuations == 1
                                  for item in entries[n])], CREDIT_LINES)
    for i, n in enumerate(credited):
        item = [item for item in entries[n] if item.kind is Kind.AUTHOR_TITLE and item.continuations == 1][0]
        item.credit_indent = T_LONGEST_RUN if i == 3 else rng.between(16, 36)


def place_words(rng, entries):
    """The telling strings of the figures, each in a title of its own, in as many entries as the real
    catalogue has them; returns the entries that hold half-width ones."""
    def put(n, key):
        item = plain_titled(entries, n)[0]
        item.special = key
        item.half_width = item.half_width or key in HALF_WIDTH_SPECIALS

    def free(n, need=1):
        return n not in (SHORTEST, LONGEST) and len(plain_titled(entries, n)) >= need

    put(1, "first")
    put(LONGEST, "last")
    put(LONGEST, "looking_back")
    late = [n for n in range(AFTER_NINE_ELEVEN, LONGEST) if free(n)]
    nine_hw = rng.sample(late, T_NINE_ELEVEN_HW - 1) + [LONGEST]
    nine_fw = rng.sample([n for n in late if n not in nine_hw], T_NINE_ELEVEN)
    centre_hw = rng.sample([n for n in range(CENTRE_HALF_WIDTH_FROM, AFTER_NINE_ELEVEN) if free(n, 2)],
                           T_CENTRE_HW)
    centre = centre_hw[:T_CENTRE_BOTH] + rng.sample(
        [n for n in CENTRE_IN if free(n) and n not in centre_hw and n not in nine_hw + nine_fw],
        T_CENTRE - T_CENTRE_BOTH)
    for key, group in (("nine_eleven_half_width", nine_hw), ("nine_eleven", nine_fw),
                       ("centre_half_width", centre_hw), ("centre", centre)):
        for n in group:
            put(n, key)
    roman = rng.pick([n for n in ROMAN_IN if free(n) and free(n + 1)])
    put(roman, "roman_one")
    put(roman + 1, "roman_two")
    put(rng.pick([n for n in MILLIMETRE_IN if free(n)]), "millimetre")
    taka = [item for item in entries[rng.pick([n for n in TAKA_IN if free(n)])] if item.kind is Kind.AUTHOR_TITLE]
    taka[0].special = TAKA
    return set(centre_hw + nine_hw)


def place_half_width(rng, entries, have):
    """Half-width katakana in as many entries as the figure says, beside those that have it already."""
    def items(n):
        return [item for item in entries[n]
                if item.kind in (Kind.AUTHOR_TITLE, Kind.TITLE, Kind.LONG_AUTHOR, Kind.COLUMN, Kind.INTERVIEW)
                and not (item.special or item.exact_length or item.credit_indent)]
    chosen = set(have)
    rest = [n for n in range(HALF_WIDTH_FROM, 381) if n not in chosen and n != SHORTEST and items(n)]
    chosen.update(rng.sample(rest, T_HALFWIDTH - len(chosen)))
    for n in sorted(chosen):
        # 380 is sized exactly and its 9･11 item already gives it half-width text
        pool = items(n) if n != LONGEST else []
        for item in rng.sample(pool, min(len(pool), rng.between(1, 5))):
            item.half_width = True
        assert any(item.half_width for item in entries[n]), n


def fix_separators(rng, entries):
    """Flip author/title items until 1..380 hold the wanted number of ＝ and =."""
    items = [item for n in range(1, 381) for item in entries[n]]
    have = sum(item.kind in EQUALS_KINDS for item in items)
    in_headers = sum(header(n).count("＝") for n in range(1, 381))
    want = T_FW_EQ - in_headers + T_ASCII_EQ
    flippable = [item for item in items if item.kind in (Kind.AUTHOR_TITLE, Kind.TITLE)
                 and not (item.continuations or item.exact_length or item.special)]
    for item in rng.shuffled(flippable):
        if have == want:
            break
        if have > want and item.kind is Kind.AUTHOR_TITLE:
            item.kind, have = Kind.TITLE, have - 1
        elif have < want and item.kind is Kind.TITLE:
            item.kind, have = Kind.AUTHOR_TITLE, have + 1
    assert have == want
    eq = [item for item in items if item.kind is Kind.AUTHOR_TITLE
          and not (item.exact_length or item.special or item.credit_indent)]
    for i in rng.sample(range(len(eq)), T_ASCII_EQ):
        eq[i].ascii_equals = True


# ----------------------------------------------------------------------- text
def staff_text(words, item, lo):
    """「column」＝ names separated by 、, usually closed by 。; with an exact length, the last name is
    chosen to land on it."""
    rng = words.rng
    text = "「" + rng.pick(STAFF_COLUMNS) + "」＝"
    names = []
    while len(text) + len("、".join(names)) + 1 < lo or len(names) < 2:
        names.append(rng.pick(SURNAMES) if rng.percent(60) else words.person())
        room = lo - len(text) - len("、".join(names)) - 2    # "、" and "。"
        if item.exact_length and 2 <= room <= 5:
            name = ""
            while len(name) != room:
                name = rng.pick(SURNAMES) if rng.percent(50) else words.person()
            names.append(name)
    return text + "、".join(names) + ("。" if (rng.percent(85) or item.exact_length) and not item.stop_below
                                     else "")


def column_text(words, item, author, lo):
    rng = words.rng
    text = "「" + (words.fill("{H}" + rng.pick(("だより", "の広場", "教室"))) if item.half_width
                  else rng.pick(COLUMNS)) + "」＝" + author
    while len(text) < lo:
        text += "・" + words.person()
    return text


def title_of(words, item):
    rng = words.rng
    if item.special and item.special != TAKA:
        return words.fill(rng.pick(SPECIAL_TITLES[item.special]))
    if item.kind is Kind.AUTHOR_BOOK:
        return "『" + words.fill(rng.pick(BOOKS)) + "』" + rng.pick(("を読んで", "に寄せて", "の周辺"))
    if item.kind is Kind.BOOK:
        return words.fill(rng.pick(BOOKS))
    return words.title(item.half_width)


def titled_text(words, item, author, lo, grow_author):
    """What stands before the title, the title in its brackets, then a subtitle, a remark, a longer
    remark, the author's place or 続・ until the text is long enough. The author may change, and stays so
    for the next draw."""
    rng = words.rng
    sep = "=" if item.ascii_equals else "＝"
    if item.special == TAKA:
        author = "髙" + author[1:] if author[0] == "高" else "髙橋" + rng.pick(GIVEN)
    title = title_of(words, item)
    if item.kind in (Kind.BOOK, Kind.TITLE):
        lead = ""
    elif item.kind is Kind.INTERVIEW:
        lead = ("インタビュー" + sep if rng.percent(50)
                else "対談" + sep + author + "・" + words.person())
    else:
        lead = author + sep
    open_, close = (("｢", "｣") if item.half_width and rng.percent(30) else
                    ("『", "』") if item.kind is Kind.BOOK else ("「", "」"))
    subtitle = remark = ""
    prefixed = False
    while True:
        text = lead + open_ + title + subtitle + close + remark
        if len(text) >= lo:
            break
        if not remark and rng.percent(55):
            remark = "（" + words.fill(rng.pick(REMARKS)) + "）"
        elif not subtitle:
            mark = rng.pick("－－～")
            subtitle = mark + words.fill(rng.pick(SUBTITLES)) + mark
        elif not remark:
            remark = "（" + words.fill(rng.pick(REMARKS)) + "）"
        elif len(remark) < 8:
            remark = "（" + words.fill(rng.pick(LONG_REMARKS)) + "）"
        elif grow_author and item.kind is Kind.AUTHOR_TITLE and "（" not in author:
            author = author + "（" + rng.pick(WORDS["P"]) + "）"
            lead = author + sep
        elif not prefixed and rng.percent(30):
            title, prefixed = "続・" + title, True
        else:
            break
    return text, author


def item_text(words, item, author, lo, hi, grow_author=False):
    """An item's text, drawn again until its length lies in lo..hi."""
    for _ in range(500):
        if item.kind is Kind.STAFF:
            text = staff_text(words, item, lo)
        elif item.kind is Kind.COLUMN:
            text = column_text(words, item, author, lo)
        else:
            text, author = titled_text(words, item, author, lo, grow_author)
        if lo <= len(text) <= hi:
            return text
    raise RuntimeError(f"no item of {lo}..{hi} characters for kind {item.kind}")


def cut(text, widths):
    """Break text after the given widths, moving a break back so that no line
    begins with a closing mark or ends with an opening one."""
    parts, pos = [], 0
    for w in widths:
        end = pos + w
        while end > pos + 1 and (text[end] in NO_START or text[end - 1] in NO_END
                                 or (text[end - 1] + text[end]).isascii()):
            end -= 1
        parts.append(text[pos:end])
        pos = end
    return parts + [text[pos:]]


def stretch(rng, line, m):
    """Lengthen the title on line by one word of m characters, set before its
    subtitle or its closing bracket."""
    at = max(line.rfind(c) for c in CLOSERS)
    for mark in "－～":
        if line.count(mark) == 2:
            at = line.index(mark)
    if line[:at].endswith(tuple(w for ws in D_PAD.values() for w in ws)):
        return None
    return line[:at] + rng.pick(D_PAD[m]) + line[at:]


# Where a continuation line may start, by kind: under the title, or a little in.
def continuation_indent(rng, item, author, width):
    head = {Kind.AUTHOR_TITLE: len(author) + 2, Kind.AUTHOR_BOOK: len(author) + 2,
            Kind.STAFF: 5}.get(item.kind, 2)
    indent = rng.pick((2, 2, 3, head, head, head, head))
    return max(2, min(indent, width - 10))


def item_lines(words, item, width):
    """The lines of one item, set in the given width."""
    rng = words.rng
    author = rng.pick(LONG_ORGS) + words.person() if item.kind is Kind.LONG_AUTHOR else words.author()
    k = item.continuations + item.space_led
    if item.credit_indent:
        text = item_text(words, item, author, 8, width - 1)
        credit = "（" + words.fill(rng.pick(CREDITS)) + "）"
        return [SP + text, SP * item.credit_indent + credit]
    if k == 0:
        want = item.exact_length
        lo, hi = (want, want) if want else (rng.between(width - 12, width - 4), width - 1)
        return [SP + item_text(words, item, author, lo, hi, grow_author=True)]
    indent = continuation_indent(rng, item, author, width)
    rest_width = width - indent
    if item.kind is Kind.LONG_AUTHOR:
        first = len(author)
        lo = first + (k - 1) * rest_width + 4
    else:
        first = width - 1 - rng.below(3)
        lo = first + (k - 1) * rest_width + 2
    text = item_text(words, item, author, lo, first + k * rest_width)
    parts = cut(text, [first] + [rest_width] * (k - 1))
    lines = [SP + parts[0]] + [SP * indent + p for p in parts[1:]]
    if item.space_led:
        lines[-1] = " " + lines[-1]
    return lines


def build_entry(words, n, items, width):
    if n in FIXED_BODIES:
        return [line_block(line) for line in FIXED_BODIES[n]]
    words.year = issue_month(n)[0]
    blocks = []
    for item in items:
        if n == SHORTEST:
            item.lines = [SP + "臨時増刊＝「第12回青葉文化祭の記録」"]
            assert len(item.lines[0]) == 1 + item.exact_length
        else:
            item.stop_below = n in STOPS and item.kind is Kind.STAFF
            item.width = width
            item.lines = item_lines(words, item, width)
        blocks.append(item)
    odd = ODD.get(n)
    if odd is Odd.STOP:
        blocks.append(line_block("。"))
    elif odd in ODD_LINES:
        blocks.insert(len(blocks) // 2, line_block(ODD_LINES[odd]))
    return blocks


def line_block(line):
    """A block that holds one line as written."""
    item = Item(Kind.LINE)
    item.lines = [line]
    return item


# ----------------------------------------------------------------- adjusting
def entry_text(head, blocks):
    return "".join(l + CRLF for l in head + [l for b in blocks for l in b.lines])


def sizes(text):
    return len(text), len(text.encode("cp932"))


def trailing(rng, entries, hosts, total):
    """Give total body lines of the hosts a trailing run; returns the space runs."""
    count = {n: 1 for n in hosts}
    adjust(rng, count, hosts, total, lambda n, v: 1 <= v <= 4)
    space_runs = []
    for n in hosts:
        spots = [(b, i) for b in entries[n] if b.kind is not Kind.LINE and not b.space_led and not b.exact_length
                 for i in range(len(b.lines)) if b.kind is not Kind.STAFF or i == len(b.lines) - 1]
        for b, i in rng.shuffled(spots)[:count[n]]:
            spaces = rng.percent(60) or n == LONGEST
            b.lines[i] += " " * rng.between(1, 3) if spaces else SP * rng.between(1, 2)
            if spaces:
                space_runs.append((n, b, i))
    return space_runs


def pad(rng, entries, heads, numbers, need_c, need_b, space_runs, cap):
    """Add characters until numbers together gain need_c characters and need_b bytes."""
    need_d = need_b - need_c
    need_s = need_c - need_d
    assert need_d >= 0 and need_s >= 0, (len(numbers), need_d, need_s)
    size = {n: sizes(entry_text(heads[n], entries[n])) for n in numbers}

    def room(n, add, line, width=2, limit=46):
        """Whether n and line can take add more characters of the given width."""
        return (size[n][0] + add <= cap[0] and size[n][1] + width * add <= cap[1]
                and len(line) + add <= limit)

    runs = [x for x in rng.shuffled(space_runs) if x[0] in numbers]
    while need_s:
        progressed = False
        for n, b, i in runs:
            if need_s and room(n, 1, b.lines[i], 1) and b.lines[i].endswith(" ") \
                    and len(b.lines[i]) - len(b.lines[i].rstrip(" ")) < 12:
                b.lines[i] += " "
                size[n] = (size[n][0] + 1, size[n][1] + 1)
                need_s -= 1
                progressed = True
        assert progressed, f"{need_s} half-width characters could not be placed"
    # double-byte: first given names for bare surnames in staff lists, then a
    # remark after a bare title, and single title words for what is left
    blocks = [(n, b) for n in numbers for b in entries[n] if not (b.exact_length or b.special or b.space_led)]
    for n, b in rng.shuffled([x for x in blocks if x[1].kind is Kind.STAFF]):
        line = b.lines[-1]       # the last line only, so the wrapped ones keep their width
        for m in reversed(list(re.finditer("(?<=[、＝])([^、。＝]+)(?=[、。])", line))):
            given = rng.pick(GIVEN)
            if (m.group(1) in SURNAMES and 0 < len(given) <= need_d
                    and room(n, len(given), line, limit=b.width + 2)):
                line = line[:m.end()] + given + line[m.end():]
                size[n] = (size[n][0] + len(given), size[n][1] + 2 * len(given))
                need_d -= len(given)
        b.lines[-1] = line
    titled = rng.shuffled([x for x in blocks if x[1].kind in (Kind.AUTHOR_TITLE, Kind.TITLE, Kind.AUTHOR_BOOK,
                                                               Kind.BOOK, Kind.INTERVIEW)
                           and any(c in x[1].lines[-1] for c in CLOSERS)])
    for n, b in titled:
        if need_d >= 3 and b.lines[-1][-1] in CLOSERS and room(n, 3, b.lines[-1], limit=b.width + 4):
            b.lines[-1] += rng.pick(R_PAD)
            size[n] = (size[n][0] + 3, size[n][1] + 6)
            need_d -= 3
    for n, b in titled:
        m = min(need_d, rng.between(1, 3))
        longer = m and room(n, m, b.lines[-1], limit=b.width + 4) and stretch(rng, b.lines[-1], m)
        if longer:
            b.lines[-1] = longer
            size[n] = (size[n][0] + m, size[n][1] + 2 * m)
            need_d -= m
    assert need_d == 0, f"{need_d} double-byte characters could not be placed"


# ------------------------------------------------------------------- figures
def ibm_ideographs():
    found = set()
    for code in range(0xFA5C, 0xFC4C):
        try:
            found.add(bytes([code >> 8, code & 0xFF]).decode("cp932"))
        except UnicodeDecodeError:
            pass
    return found


def line_kind(line):
    """"article", "continuation" or "other", and the leading run of U+3000."""
    run = len(line) - len(line.lstrip(SP))
    rest = line[run:]
    if rest and rest[0] != " " and run == 1:
        return "article", run
    if rest and rest[0] != " " and 2 <= run <= 39:
        return "continuation", run
    return "other", run


def last_item_is_staff(body, kinds):
    """The last article line with the continuation lines after it, joined, is 「…」＝ names、…"""
    if "article" not in kinds:
        return False
    last = len(kinds) - 1 - kinds[::-1].index("article")
    item = [body[last]]
    for kind, line in zip(kinds[last + 1:], body[last + 1:]):
        if kind != "continuation":
            break
        item.append(line)
    joined = "".join(l.lstrip(SP) for l in item)
    m = re.search("」[＝=]", joined)
    return bool(joined.startswith("「") and m and "、" in joined[m.end():])


def count_figures(texts):
    """Every figure of tools/expected_figures.txt, counted from the finished texts by the definitions of
    tools/README.md and written as read_figures() reads the file."""
    ibm = ibm_ideographs()
    lines = {n: t.split(CRLF)[:-1] for n, t in texts.items()}
    measures = {"lines": {n: len(ls) for n, ls in lines.items()},
                "characters": {n: len(t) for n, t in texts.items()},
                "bytes": {n: len(t.encode("cp932")) for n, t in texts.items()}}
    bodies = {n: ls[3:] if n == 382 else ls[2:] for n, ls in lines.items()}
    kinds = {n: [line_kind(line) for line in body] for n, body in bodies.items()}
    runs = [run for ks in kinds.values() for kind, run in ks if kind == "continuation"]
    trails = {n: sum(bool(line.strip(SP + " ")) and line[-1] in SP + " " for line in body)
              for n, body in bodies.items()}

    def of_kind(kind):
        return {n: sum(k == kind for k, _ in ks) for n, ks in kinds.items()}

    def extreme(measure, pick):
        best = pick(measure.values())
        return [best] + [n for n in measure if measure[n] == best]

    def mean(measure):
        return [(2 * sum(measure.values()) + len(measure)) // (2 * len(measure))]

    def having(*parts, regular=False):
        return [n for n, t in texts.items() if (n <= 380 or not regular) and all(p in t for p in parts)]

    regular = [t for n, t in texts.items() if n <= 380]
    found = {"entries": [len(texts)]}
    for m, measure in measures.items():
        found[f"fewest-{m}"], found[f"most-{m}"] = extreme(measure, min), extreme(measure, max)
        found[f"mean-{m}"] = mean(measure)
        found[f"total-{m}"] = [sum(measure.values())]
    found.update({
        "lines-of-381": [measures["lines"][381]], "lines-of-382": [measures["lines"][382]],
        "longest-line": [max(len(l) for ls in lines.values() for l in ls)],
        "article-lines": [sum(of_kind("article").values())],
        "continuation-lines": [sum(of_kind("continuation").values())],
        "shortest-run": [min(runs)], "longest-run": [max(runs)],
        "other-lines": [sum(of_kind("other").values())],
        "other-line-entries": [n for n, count in of_kind("other").items() if count],
        "trailing-run-lines": [sum(trails.values())],
        "trailing-run-entries": [sum(t > 0 for t in trails.values())],
        "staff-entries": [sum(last_item_is_staff(bodies[n], [k for k, _ in ks]) for n, ks in kinds.items())],
        "half-width-katakana-entries": [sum(any("\uff61" <= c <= "\uff9f" for c in t) for t in texts.values())],
        "centre-entries": [len(having("センター", regular=True))],
        "centre-half-width-entries": [len(having("ｾﾝﾀｰ", regular=True))],
        "centre-both-entries": [len(having("センター", "ｾﾝﾀｰ", regular=True))],
        "nine-eleven-entries": [len(having("９・11", regular=True))],
        "nine-eleven-half-width-entries": [len(having("9･11", regular=True))],
        "ascii-equals": [sum(t.count("=") for t in regular)],
        "full-width-equals": [sum(t.count("＝") for t in regular)],
        "roman-one": [int(bool(having("Ⅰ")))], "roman-two": [int(bool(having("Ⅱ")))],
        "millimetre": [int(bool(having("㎜")))],
        "ibm-ideographs": [sum(c in ibm for t in texts.values() for c in t)],
        "appendix-entries": having("付録"), "special-entries": having("特別号"), "final-entries": having("終刊号"),
        "headers-without-go": [n for n, ls in lines.items() if "号" not in ls[0]],
    })
    return found


def check(texts):
    ALLOWED_ASCII = set("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 !&()+-./=?\r\n")
    for n, t in texts.items():
        assert t.endswith(CRLF) and not t.endswith(CRLF * 2), n
        assert "\r" not in t.replace(CRLF, "") and "\n" not in t.replace(CRLF, ""), n
        assert all(c in ALLOWED_ASCII for c in t if ord(c) < 0x80), n
        assert not any(0x80 <= ord(c) < 0xA0 for c in t), n
        assert t.encode("cp932").decode("cp932") == t, n
        lines = t.split(CRLF)[:-1]
        assert lines[0] == header(n) and (lines[1] == "" if n != 382 else lines[1:3] == [NOTE_382, ""])
        assert 3 <= len(lines) <= 56
    for n, h in [(1, "1972年9.15. １号"), (2, "1972.10.20. ２号"), (3, "1972.11.26. ３号"),
                 (4, "1973年４月　４号"), (10, "1973年10月　10号"), (54, "1977年６月　54号"),
                 (55, "1977年６月　55増刊号"), (100, "1981年３月 100号"), (156, "1985年11月 156号"),
                 (381, "1985年11月 156付録"), (382, "2003年６月特別号"),
                 (380, "2004年７月 380号（終刊号）"), (325, "1999年12月 325号"), (326, "2000年１月 326号")]:
        assert header(n) == h, (n, header(n))
    heads = {n: t.split(CRLF)[0] for n, t in texts.items()}
    assert sorted(n for n, t in texts.items() if "56号" in t) == [56, 156, 256, 356]
    assert all(t.count("56号") == ("56号" in heads[n]) for n, t in texts.items())
    assert all(t.count("号") == heads[n].count("号") for n, t in texts.items())
    allt = "".join(texts.values())
    assert all(c in allt for c in "ⅠⅡ㎜｢｣､･｡")
    extra = texts[381] + texts[382]
    assert not any(s in extra for s in ("=", "＝", "センター", "ｾﾝﾀｰ", "９・11", "9･11"))
    assert not any("\uff61" <= c <= "\uff9f" for c in extra)
    assert all(l == l.rstrip(SP + " ") for l in extra.split(CRLF))

    # every figure as the file gives it, and 55 and 380 alone at the extremes
    found = count_figures(texts)
    assert found.keys() == FIGURES.keys(), sorted(found.keys() ^ FIGURES.keys())
    bad = [f"{k}: got {found[k]}, want {FIGURES[k]}" for k in FIGURES if found[k] != FIGURES[k]]
    assert not bad, "\n".join(bad)
    return found


# ---------------------------------------------------------------------- main
def generate():
    rng = Rng(0xA0BA_1972_2004)
    words = Words(rng)
    entries = plan(rng)
    size_items(rng, entries)
    place_half_width(rng, entries, place_words(rng, entries))
    fix_separators(rng, entries)
    heads = {n: [header(n)] + ([NOTE_382] if n == 382 else []) + [""] for n in range(1, 383)}
    blocks = {}
    for n in range(1, 383):
        if n != LONGEST:
            width = rng.between(26, 34) if n < 150 else rng.between(28, 38)
            blocks[n] = build_entry(words, n, entries.get(n, []), width)
    hosts = rng.sample([n for n in range(1, LONGEST) if n != SHORTEST], T_TRAIL_ENTRIES - 1)
    space_runs = trailing(rng, blocks, hosts, T_TRAIL_LINES - TRAILING_RUNS_OF_380)

    # The last issue is sized exactly: draw it from its own stream until it
    # falls a little short of its size, then pad it the rest of the way.
    _, chars_380, bytes_380 = SIZE_380
    for attempt in range(1, 10000):
        rng_380 = Rng(0x380 * attempt)
        blocks[LONGEST] = build_entry(Words(rng_380), LONGEST, entries[LONGEST], 31)
        runs_380 = trailing(rng_380, blocks, [LONGEST], TRAILING_RUNS_OF_380)
        chars, nbytes = sizes(entry_text(heads[LONGEST], blocks[LONGEST]))
        short_chars, short_double = chars_380 - chars, (bytes_380 - nbytes) - (chars_380 - chars)
        if 0 <= short_double <= 40 and 0 <= short_chars - short_double <= 20:
            break
    else:
        raise RuntimeError("no draw of entry 380 fits its size")
    pad(rng_380, blocks, heads, [LONGEST], chars_380 - chars, bytes_380 - nbytes, runs_380, (chars_380, bytes_380))
    rest = [n for n in range(1, 383) if n not in (SHORTEST, LONGEST)]
    have = [sizes(entry_text(heads[n], blocks[n])) for n in range(1, 383)]
    # The rest stay well below 380, so that it remains the longest.
    pad(rng, blocks, heads, rest, T_CHARS - sum(c for c, _ in have), T_BYTES - sum(b for _, b in have),
        space_runs, (1300, 2450))
    return {n: entry_text(heads[n], blocks[n]) for n in range(1, 383)}


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", default=os.path.join(REPO, "data"), help="folder to write (default: data/)")
    args = ap.parse_args()
    texts = generate()
    found = check(texts)
    os.makedirs(args.out, exist_ok=True)
    sums = []
    for n, text in texts.items():
        data = text.encode("utf-8")
        with open(os.path.join(args.out, f"{n:03d}.txt"), "wb") as fh:
            fh.write(data)
        sums.append(f"{hashlib.sha256(data).hexdigest()}  {n:03d}.txt\n")
    # The manifest the build checks data/ against, in the form sha256sum writes.
    with open(os.path.join(args.out, "SHA256SUMS"), "w", encoding="ascii", newline="\n") as fh:
        fh.write("".join(sums))
    print(f"wrote 382 entries to {args.out}")
    for name, value in found.items():
        print(f"  {name}: {' '.join(map(str, value))}")


if __name__ == "__main__":
    sys.exit(main())
