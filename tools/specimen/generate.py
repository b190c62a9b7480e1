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
E55 = tuple(FIGURES[f"fewest-{m}"][0] for m in ("lines", "characters", "bytes"))
E380 = tuple(FIGURES[f"most-{m}"][0] for m in ("lines", "characters", "bytes"))
assert all(FIGURES[f"fewest-{m}"][1:] == [55] and FIGURES[f"most-{m}"][1:] == [380]
           for m in ("lines", "characters", "bytes")), "the plan makes 55 the shortest entry, 380 the longest"
ODD = {49: "stop", 95: "stop", 136: "space", 170: "empty", 331: "one", 347: "five"}
assert sorted(ODD) == FIGURES["other-line-entries"] and len(ODD) == target("other-lines")


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
SEP_KINDS = ("at", "ab", "col", "iv", "la", "staff")

SPECIAL_TITLES = {
    "center": ["市民センター開館に寄せて", "{P}センターの一日", "センターまつりの報告", "文化センターで学ぶ"],
    "center_hw": ["ﾎﾞﾗﾝﾃｨｱｾﾝﾀｰ便り", "ｾﾝﾀｰまつり報告", "市民ｾﾝﾀｰの{H}教室"],
    "nine_hw": ["9･11以後の世界", "9･11と平和を考える", "あの9･11から", "9･11と子どもたち", "9･11後の{N}"],
    "nine_fw": ["９・11から一年", "９・11と報道"],
    "roman1": ["郷土の歴史Ⅰ"], "roman2": ["郷土の歴史Ⅱ"], "mm": ["8㎜映画の夕べ"],
    "first": ["創刊のことば"], "last1": ["終刊のごあいさつ"], "last2": ["三十二年を振り返って"],
}


class Gen:
    def __init__(self, rng):
        self.r = rng
        self.year = 2004       # of the issue being written; no title looks ahead of it

    def fill(self, pattern):
        def word(m):
            key = m.group(1)
            if key == "Y":
                return str(self.r.between(1945, self.year - 1))
            if key == "D":
                return str(self.r.between(2, 30))
            if key == "M":
                return self.person()
            return self.r.pick(WORDS[key])
        return re.sub(r"\{(\w)\}", word, pattern)

    def person(self):
        return self.r.pick(SURNAMES) + self.r.pick(GIVEN)

    def author(self):
        x = self.r.below(100)
        if x < 75:
            return self.person()
        if x < 84:
            return self.person() + "・" + self.person()
        if x < 93:
            return self.r.pick(ORGS)
        return self.person() + "（" + self.r.pick(WORDS["P"]) + "）"

    def title(self, hk=False):
        return self.fill(self.r.pick(HK_TITLES if hk else TITLES))


class Item:
    def __init__(self, kind, k=0):
        self.kind, self.k = kind, k
        self.hk = False
        self.special = None    # key of SPECIAL_TITLES, or "taka"
        self.eq = False        # ASCII "=" instead of "＝"
        self.deep = 0          # continuation indent of a right-aligned credit line
        self.exact = 0         # exact item length wanted
        self.odd = False       # one more continuation line, led by a half-width space
        self.lines = []
        self.width = 0         # the line width its entry is set in
        self.open = False      # a staff list whose full stop stands on the next line


# ------------------------------------------------------------------ structure
def adjust(rng, values, keys, total, ok):
    """Step values[k] by one until they sum to total, keeping ok(k, v)."""
    diff = total - sum(values[k] for k in keys)
    while diff:
        k = rng.pick(keys)
        step = 1 if diff > 0 else -1
        if ok(k, values[k] + step):
            values[k] += step
            diff -= step


def plan(rng):
    free = [n for n in range(1, 381) if n not in (55, 380)]
    body, conts = {55: 1, 380: 54}, {55: 0, 380: 14}
    for n, lines in FIXED_BODIES.items():
        body[n], conts[n] = len(lines), sum(l.startswith(SP * 2) for l in lines)
    for n in free:
        lo, hi = ((4, 10) if n <= 12 else (8, 20) if n <= 54 else (12, 24) if n <= 150
                  else (15, 30) if n <= 300 else (16, 34))
        body[n] = rng.between(lo, hi)
    fixed = (55, 380, 381, 382)
    adjust(rng, body, free, T_ARTICLES + T_CONTS + len(ODD) - sum(body[n] for n in fixed),
           lambda n, v: (4 if n in ODD else 2) <= v <= 44)
    usable = {n: body[n] - (n in ODD) for n in body}
    for n in free:
        conts[n] = usable[n] * rng.between(5, 40) // 100
    adjust(rng, conts, free, T_CONTS - sum(conts[n] for n in fixed),
           lambda n, v: 0 <= v <= (usable[n] - 2) // 2)
    staff = set([49, 95, 380] + rng.sample([n for n in free if n not in (49, 95)], T_STAFF - 3))

    entries = {}
    for n in range(1, 381):
        a = usable[n] - conts[n]
        items = [Item("at") for _ in range(a)]
        if n in staff:
            items[-1].kind = "staff"
        for _ in range(conts[n]):
            while True:
                it = items[-1] if (n in staff and rng.percent(25)) else rng.pick(items)
                if it.k < (4 if it.kind == "staff" else 1):
                    it.k += 1
                    break
        for it in items:
            if it.kind == "staff":
                continue
            if it.k and rng.percent(14):
                it.kind = "la"
            else:
                x = rng.below(100)
                it.kind = ("at" if x < 66 else "t" if x < 77 else "ab" if x < 83 else
                           "b" if x < 87 else "col" if x < 93 else "iv")
                if it.k and it.kind in ("t", "b", "col"):
                    it.kind = "at"      # too short to need a second line
        entries[n] = items
    entries[136][0].odd = True
    entries[55][0].kind, entries[55][0].exact = "at", 19
    return entries


def place_specials(rng, entries):
    def titled(n):
        return [it for it in entries[n] if it.kind in ("at", "t") and not it.k
                and not (it.special or it.exact or it.deep or it.eq)]

    def put(n, key):
        it = titled(n)[0]
        it.special = key
        it.hk = it.hk or key in ("center_hw", "nine_hw")

    # items that must be plain and single-lined first, so later picks see them
    longest = rng.pick([n for n in range(200, 380) if entries[n][-1].kind == "staff"
                        and not entries[n][-1].k])
    entries[longest][-1].exact = 68
    deep_hosts = rng.sample([n for n in range(150, 380)
                             if any(it.kind == "at" and it.k == 1 for it in entries[n])], 7)
    for i, n in enumerate(deep_hosts):
        it = [it for it in entries[n] if it.kind == "at" and it.k == 1][0]
        it.deep = 39 if i == 3 else rng.between(16, 36)

    def ok(n, need=1):
        return n not in (55, 380) and len(titled(n)) >= need

    put(1, "first")
    put(380, "last1")
    put(380, "last2")
    late = [n for n in range(346, 380) if ok(n)]
    nine_hw = rng.sample(late, 15) + [380]
    nine_fw = rng.sample([n for n in late if n not in nine_hw], 2)
    center_hw = rng.sample([n for n in range(150, 346) if ok(n, 2)], 7)
    center = center_hw[:1] + rng.sample([n for n in range(20, 380) if ok(n) and n not in center_hw
                                         and n not in nine_hw + nine_fw], 19)
    for key, group in (("nine_hw", nine_hw), ("nine_fw", nine_fw), ("center_hw", center_hw),
                       ("center", center)):
        for n in group:
            put(n, key)
    roman = rng.pick([n for n in range(120, 300) if ok(n) and ok(n + 1)])
    put(roman, "roman1")
    put(roman + 1, "roman2")
    put(rng.pick([n for n in range(20, 150) if ok(n)]), "mm")
    taka = [it for it in entries[rng.pick([n for n in range(60, 300) if ok(n)])] if it.kind == "at"]
    taka[0].special = "taka"

    hk = set(center_hw + nine_hw)
    def hk_items(n):
        return [it for it in entries[n] if it.kind in ("at", "t", "la", "col", "iv")
                and not (it.special or it.exact or it.deep)]
    rest = [n for n in range(90, 381) if n not in hk and n != 55 and hk_items(n)]
    hk.update(rng.sample(rest, T_HALFWIDTH - len(hk)))
    for n in sorted(hk):
        # 380 is sized exactly and its 9･11 item already gives it half-width text
        items = hk_items(n) if n != 380 else []
        for it in rng.sample(items, min(len(items), rng.between(1, 5))):
            it.hk = True
        assert any(it.hk for it in entries[n]), n


def fix_separators(rng, entries):
    """Flip author/title items until 1..380 hold the wanted number of ＝ and =."""
    items = [it for n in range(1, 381) for it in entries[n]]
    have = sum(it.kind in SEP_KINDS for it in items)
    want = T_FW_EQ - 1 + T_ASCII_EQ          # one ＝ stands in the header of 39
    flippable = [it for it in items if it.kind in ("at", "t") and not (it.k or it.exact or it.special)]
    for it in rng.shuffled(flippable):
        if have == want:
            break
        if have > want and it.kind == "at":
            it.kind, have = "t", have - 1
        elif have < want and it.kind == "t":
            it.kind, have = "at", have + 1
    assert have == want
    eq = [it for it in items if it.kind == "at" and not (it.exact or it.special or it.deep)]
    for i in rng.sample(range(len(eq)), T_ASCII_EQ):
        eq[i].eq = True


# ----------------------------------------------------------------------- text
def item_text(g, it, author, lo, hi, grow_author=False):
    """Grow an item until its length lies in lo..hi (retrying from scratch)."""
    r = g.r
    for _ in range(500):
        sep = "=" if it.eq else "＝"
        if it.kind == "staff":
            text = "「" + r.pick(STAFF_COLUMNS) + "」＝"
            names = []
            while len(text) + len("、".join(names)) + 1 < lo or len(names) < 2:
                names.append(r.pick(SURNAMES) if r.percent(60) else g.person())
                room = lo - len(text) - len("、".join(names)) - 2    # "、" and "。"
                if it.exact and 2 <= room <= 5:
                    # the last name is chosen to land exactly on the length
                    name = ""
                    while len(name) != room:
                        name = r.pick(SURNAMES) if r.percent(50) else g.person()
                    names.append(name)
            text += "、".join(names) + ("。" if (r.percent(85) or it.exact) and not it.open else "")
        elif it.kind == "col":
            text = "「" + (g.fill("{H}" + r.pick(("だより", "の広場", "教室"))) if it.hk
                          else r.pick(COLUMNS)) + "」＝" + author
            while len(text) < lo:
                text += "・" + g.person()
        else:
            if it.special == "taka":
                author = "髙" + author[1:] if author[0] == "高" else "髙橋" + r.pick(GIVEN)
            if it.special and it.special != "taka":
                title = g.fill(r.pick(SPECIAL_TITLES[it.special]))
            elif it.kind == "ab":
                title = "『" + g.fill(r.pick(BOOKS)) + "』" + r.pick(("を読んで", "に寄せて", "の周辺"))
            elif it.kind == "b":
                title = g.fill(r.pick(BOOKS))
            else:
                title = g.title(it.hk)
            if it.kind in ("b", "t"):
                lead = ""
            elif it.kind == "iv":
                lead = ("インタビュー" + sep if r.percent(50)
                        else "対談" + sep + author + "・" + g.person())
            else:
                lead = author + sep
            open_, close = (("｢", "｣") if it.hk and r.percent(30) else
                            ("『", "』") if it.kind == "b" else ("「", "」"))
            subtitle = remark = ""
            prefixed = False
            while True:
                text = lead + open_ + title + subtitle + close + remark
                if len(text) >= lo:
                    break
                if not remark and r.percent(55):
                    remark = "（" + g.fill(r.pick(REMARKS)) + "）"
                elif not subtitle:
                    mark = r.pick("－－～")
                    subtitle = mark + g.fill(r.pick(SUBTITLES)) + mark
                elif not remark:
                    remark = "（" + g.fill(r.pick(REMARKS)) + "）"
                elif len(remark) < 8:
                    remark = "（" + g.fill(r.pick(LONG_REMARKS)) + "）"
                elif grow_author and it.kind == "at" and "（" not in author:
                    author = author + "（" + r.pick(WORDS["P"]) + "）"
                    lead = author + sep
                elif not prefixed and r.percent(30):
                    title, prefixed = "続・" + title, True
                else:
                    break
        if lo <= len(text) <= hi:
            return text
    raise RuntimeError(f"no item of {lo}..{hi} characters for kind {it.kind}")


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


def stretch(r, line, m):
    """Lengthen the title on line by one word of m characters, set before its
    subtitle or its closing bracket."""
    at = max(line.rfind(c) for c in CLOSERS)
    for mark in "－～":
        if line.count(mark) == 2:
            at = line.index(mark)
    if line[:at].endswith(tuple(w for ws in D_PAD.values() for w in ws)):
        return None
    return line[:at] + r.pick(D_PAD[m]) + line[at:]


def build_entry(g, n, items, width):
    r = g.r
    if n in FIXED_BODIES:
        return [line_block(line) for line in FIXED_BODIES[n]]
    g.year = issue_month(n)[0]
    blocks = []
    for it in items:
        if n == 55:
            it.lines = [SP + "臨時増刊＝「第12回青葉文化祭の記録」"]
            blocks.append(it)
            continue
        it.open = n in (49, 95) and it.kind == "staff"
        it.width = width
        author = r.pick(LONG_ORGS) + g.person() if it.kind == "la" else g.author()
        k = it.k + it.odd
        if it.deep:
            text = item_text(g, it, author, 8, width - 1)
            credit = "（" + g.fill(r.pick(CREDITS)) + "）"
            it.lines = [SP + text, SP * it.deep + credit]
        elif k == 0:
            want = it.exact or 0
            lo, hi = (want, want) if want else (r.between(width - 12, width - 4), width - 1)
            text = item_text(g, it, author, lo, hi, grow_author=True)
            it.lines = [SP + text]
        else:
            head = {"at": len(author) + 2, "ab": len(author) + 2,
                    "staff": 5}.get(it.kind, 2)
            ind = r.pick((2, 2, 3, head, head, head, head))
            ind = max(2, min(ind, width - 10))
            wc = width - ind
            if it.kind == "la":
                first = len(author)
                lo = first + (k - 1) * wc + 4
            else:
                first = width - 1 - r.below(3)
                lo = first + (k - 1) * wc + 2
            text = item_text(g, it, author, lo, first + k * wc)
            parts = cut(text, [first] + [wc] * (k - 1))
            it.lines = [SP + parts[0]] + [SP * ind + p for p in parts[1:]]
            if it.odd:
                it.lines[-1] = " " + it.lines[-1]
        blocks.append(it)
    odd = ODD.get(n)
    if odd == "stop":
        blocks.append(line_block("。"))
    elif odd in ("empty", "one", "five"):
        blocks.insert(len(blocks) // 2, line_block({"empty": "", "one": SP, "five": SP * 5}[odd]))
    return blocks


def line_block(line):
    """A block that holds one line as written."""
    it = Item("odd")
    it.lines = [line]
    return it


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
        spots = [(b, i) for b in entries[n] if b.kind != "odd" and not b.odd and not b.exact
                 for i in range(len(b.lines)) if b.kind != "staff" or i == len(b.lines) - 1]
        for b, i in rng.shuffled(spots)[:count[n]]:
            spaces = rng.percent(60) or n == 380
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
    blocks = [(n, b) for n in numbers for b in entries[n] if not (b.exact or b.special or b.odd)]
    for n, b in rng.shuffled([x for x in blocks if x[1].kind == "staff"]):
        line = b.lines[-1]       # the last line only, so the wrapped ones keep their width
        for m in reversed(list(re.finditer("(?<=[、＝])([^、。＝]+)(?=[、。])", line))):
            given = rng.pick(GIVEN)
            if (m.group(1) in SURNAMES and 0 < len(given) <= need_d
                    and room(n, len(given), line, limit=b.width + 2)):
                line = line[:m.end()] + given + line[m.end():]
                size[n] = (size[n][0] + len(given), size[n][1] + 2 * len(given))
                need_d -= len(given)
        b.lines[-1] = line
    titled = rng.shuffled([x for x in blocks if x[1].kind in ("at", "t", "ab", "b", "iv")
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


def count_figures(texts):
    """Every figure of tools/expected_figures.txt, counted from the finished texts by the definitions of
    tools/README.md and written as read_figures() reads the file."""
    ibm = ibm_ideographs()
    lines = {n: t.split(CRLF)[:-1] for n, t in texts.items()}
    measures = {"lines": {n: len(ls) for n, ls in lines.items()},
                "characters": {n: len(t) for n, t in texts.items()},
                "bytes": {n: len(t.encode("cp932")) for n, t in texts.items()}}
    kinds, runs, trails, staff = {}, [], {}, 0
    for n, ls in lines.items():
        body = ls[3:] if n == 382 else ls[2:]
        kinds[n] = []
        for line in body:
            run = len(line) - len(line.lstrip(SP))
            rest = line[run:]
            if run == 1 and rest and rest[0] != " ":
                kinds[n].append("a")
            elif 2 <= run <= 39 and rest and rest[0] != " ":
                kinds[n].append("c")
                runs.append(run)
            else:
                kinds[n].append("x")
        trails[n] = sum(bool(line.strip(SP + " ")) and line[-1] in SP + " " for line in body)
        if "a" in kinds[n]:
            last = len(kinds[n]) - 1 - kinds[n][::-1].index("a")
            item = [body[last]]
            for kind, line in zip(kinds[n][last + 1:], body[last + 1:]):
                if kind != "c":
                    break
                item.append(line)
            joined = "".join(l.lstrip(SP) for l in item)
            m = re.search("」[＝=]", joined)
            staff += bool(joined.startswith("「") and m and "、" in joined[m.end():])

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
        "article-lines": [sum(k.count("a") for k in kinds.values())],
        "continuation-lines": [sum(k.count("c") for k in kinds.values())],
        "shortest-run": [min(runs)], "longest-run": [max(runs)],
        "other-lines": [sum(k.count("x") for k in kinds.values())],
        "other-line-entries": [n for n, k in kinds.items() if "x" in k],
        "trailing-run-lines": [sum(trails.values())],
        "trailing-run-entries": [sum(t > 0 for t in trails.values())],
        "staff-entries": [staff],
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
    g = Gen(rng)
    entries = plan(rng)
    place_specials(rng, entries)
    fix_separators(rng, entries)
    heads = {n: [header(n)] + ([NOTE_382] if n == 382 else []) + [""] for n in range(1, 383)}
    blocks = {}
    for n in range(1, 383):
        if n != 380:
            width = rng.between(26, 34) if n < 150 else rng.between(28, 38)
            blocks[n] = build_entry(g, n, entries.get(n, []), width)
    hosts = rng.sample([n for n in range(1, 380) if n != 55], T_TRAIL_ENTRIES - 1)
    space_runs = trailing(rng, blocks, hosts, T_TRAIL_LINES - 3)

    # The last issue is sized exactly: draw it from its own stream until it
    # falls a little short of its size, then pad it the rest of the way.
    for attempt in range(1, 10000):
        r380 = Rng(0x380 * attempt)
        blocks[380] = build_entry(Gen(r380), 380, entries[380], 31)
        runs380 = trailing(r380, blocks, [380], 3)
        c380, b380 = sizes(entry_text(heads[380], blocks[380]))
        short_c, short_d = E380[1] - c380, (E380[2] - b380) - (E380[1] - c380)
        if 0 <= short_d <= 40 and 0 <= short_c - short_d <= 20:
            break
    else:
        raise RuntimeError("no draw of entry 380 fits its size")
    pad(r380, blocks, heads, [380], E380[1] - c380, E380[2] - b380, runs380, (E380[1], E380[2]))
    rest = [n for n in range(1, 383) if n not in (55, 380)]
    have = [sizes(entry_text(heads[n], blocks[n])) for n in range(1, 383)]
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
