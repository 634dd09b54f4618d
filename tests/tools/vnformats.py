"""A second, independent implementation of the suite's text and file formats.

Written in plain Python (standard library only) from the format rules, to
check vnscript against: event files, flag-data files, the script text form
of events and the event editor's list lines. Events are tuples
(code, [arguments]) where an integer argument is an int and a string
argument is the Shift-JIS bytes.
"""

import struct

K = 277  # the string scrambling offset

# code: (editor keyword, argument letters)
EVENT_TYPES = {
    1: ("narration", "S"),
    2: ("serif", "SS"),
    3: ("chara", "SSII"),
    4: ("background", "S"),
    5: ("select", "SSSSSS"),
    6: ("label", "S"),
    7: ("cdda", "II"),
    8: ("midiold", "SI"),
    9: ("pcm", "SI"),
    10: ("setflag", "SI"),
    11: ("jump", "SSIS"),
    12: ("settitle", "S"),
    13: ("waitclick", ""),
    14: ("wait", "I"),
    15: ("setmsgbox", "I"),
    16: ("comment", "S"),
    17: ("mp3", "SI"),
    18: ("setfade", "IIII"),
    19: ("btnselect", "SSSIS"),
    20: ("anime", "IIS"),
    21: ("setparam", "SSIS"),
    22: ("vorbis", "SIII"),
    23: ("midi", "SII"),
}


class FormatError(Exception):
    pass


def fresh_event(code):
    return (code, [0 if letter == "I" else b"" for letter in EVENT_TYPES[code][1]])


# ---- tagged items -------------------------------------------------------

def int_item(value):
    return b"\x01" + struct.pack("<i", value)


def string_item(data):
    return b"\x03" + struct.pack("<i", len(data)) + bytes((b - K) % 256 for b in data)


class ItemReader:
    def __init__(self, data):
        self.data = data
        self.pos = 0

    def take(self, n):
        if self.pos + n > len(self.data):
            raise FormatError("file ends early")
        piece = self.data[self.pos:self.pos + n]
        self.pos += n
        return piece

    def read_int(self):
        self.take(1)  # the tag of an integer item is not checked
        return struct.unpack("<i", self.take(4))[0]

    def read_string(self):
        tag = self.take(1)[0]
        if tag not in (2, 3):
            raise FormatError("bad string tag")
        length = struct.unpack("<i", self.take(4))[0]
        if length < 0:
            raise FormatError("negative length")
        text = self.take(length)
        if tag == 3:
            text = bytes((b + K) % 256 for b in text)
        return text.split(b"\x00")[0]  # a text ends at its first zero byte


# ---- event files --------------------------------------------------------

def write_event_file(events):
    out = [string_item(b"eventdata"), int_item(len(events))]
    for code, args in events:
        out.append(int_item(code))
        for letter, value in zip(EVENT_TYPES[code][1], args):
            out.append(int_item(value) if letter == "I" else string_item(value))
    return b"".join(out)


def read_event_file(data):
    reader = ItemReader(data)
    if reader.read_string() != b"eventdata":
        raise FormatError("bad signature")
    count = reader.read_int()
    events = []
    for _ in range(max(count, 0)):
        code = reader.read_int()
        if code not in EVENT_TYPES:
            raise FormatError("unknown code")
        args = [reader.read_int() if letter == "I" else reader.read_string()
                for letter in EVENT_TYPES[code][1]]
        if code == 8:  # the older MIDI form becomes a MIDI event that does not loop
            code, args = 23, [args[0], args[1], 0]
        events.append((code, args))
    return events


# ---- flag-data files ----------------------------------------------------

def write_flag_file(params):
    out = [string_item(b"flagdata"), int_item(len(params))]
    for name, value in params:
        out += [string_item(name), int_item(value)]
    return b"".join(out)


def read_flag_file(data):
    reader = ItemReader(data)
    if reader.read_string() != b"flagdata":
        raise FormatError("bad signature")
    params = []
    for _ in range(max(reader.read_int(), 0)):
        name = reader.read_string()
        value = reader.read_int()
        if any(name == known for known, _ in params):
            raise FormatError("duplicate name")
        params.append((name, value))
    return params


def flag_lines(params):
    return b"".join(name + b"\t" + str(value).encode() + b"\n" for name, value in params)


# ---- script text --------------------------------------------------------

def _canonical_codes():
    """Characters with more than one code, and the code Windows writes for them.

    Windows prefers JIS X 0208 (lead bytes 0x81-0x84), then NEC row 13 (0x87),
    then the IBM extension (0xFA-0xFC) over the NEC-selected IBM extension
    (0xED-0xEE). Python's own cp932 encoder prefers the NEC-selected codes, so
    the choice is made here from the decoding table.
    """
    codes = {}
    for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)):
        for trail in range(0x40, 0xFD):
            try:
                char = bytes([lead, trail]).decode("cp932")
            except UnicodeDecodeError:
                continue
            codes.setdefault(char, []).append(bytes([lead, trail]))
    rank = lambda code: (0 if code[0] <= 0x84 else 1 if code[0] == 0x87
                         else 2 if code[0] >= 0xFA else 3)
    return {char: min(found, key=rank) for char, found in codes.items() if len(found) > 1}


CANONICAL = _canonical_codes()


def wide(data):
    return data.decode("cp932", "surrogateescape")


def narrow(text):
    return b"".join(CANONICAL.get(ch) or ch.encode("cp932", "surrogateescape") for ch in text)


def script_line(event):
    code, args = event
    if code == 1:
        text = args[0]
        return b"@narration " + text if text[:1] in (b"@", b"\\", b"*", b";") else text
    if code == 2:
        return b"\\" + args[0] + b"\\" + args[1]
    if code == 6:
        return b"*" + args[0]
    if code == 16:
        return b";" + args[0]
    line = b"@" + EVENT_TYPES[code][0].encode()
    for letter, value in zip(EVENT_TYPES[code][1], args):
        if letter == "I":
            line += b" " + str(value).encode()
        else:
            line += b" " + (value if value else b"nil")
    return line


def script_text(events):
    return b"".join(script_line(e) + b"\r\n" for e in events)


def c_atoi(token):
    """The C library's decimal conversion, limited to 32 bits."""
    s = token.lstrip(" \t\n\v\f\r")
    sign = 1
    if s[:1] in ("+", "-"):
        sign = -1 if s[0] == "-" else 1
        s = s[1:]
    digits = ""
    for ch in s:
        if not "0" <= ch <= "9":
            break
        digits += ch
    value = sign * int(digits) if digits else 0
    return max(-2**31, min(2**31 - 1, value))


def split_token(text, delimiters):
    for i, ch in enumerate(text):
        if ch in delimiters:
            return text[:i], text[i + 1:]
    return text, ""


def read_script_line(line):
    whole = wide(line).replace("\r", "").replace("\n", "")
    trimmed = whole.lstrip(" \t")
    if not trimmed:
        return (16, [narrow(whole)])
    mark, rest = trimmed[0], trimmed[1:]
    if mark == ";":
        return (16, [narrow(rest)])
    if mark == "\\":
        name, said = split_token(rest, "\\")
        return (2, [narrow(name), narrow(said.replace("\t", ""))])
    if mark == "*":
        return (6, [narrow(rest)])
    if mark == "@":
        keyword, rest = split_token(rest, " \t")
        keyword_bytes = narrow(keyword)
        for code in range(1, 24):
            name = EVENT_TYPES[code][0].encode()
            if keyword_bytes[:len(name)] == name:
                break
        else:
            return (16, [narrow(whole)])
        if code == 1:  # the narration is the whole rest of the line
            return (1, [narrow(rest)])
        code, args = fresh_event(code)
        for n, letter in enumerate(EVENT_TYPES[code][1]):
            if not rest:
                break
            token, rest = split_token(rest, " \t")
            if letter == "I":
                args[n] = c_atoi(token)
            else:
                args[n] = b"" if token == "nil" else narrow(token)
        return (code, args)
    return (1, [narrow(whole.replace("\t", ""))])


def read_script_text(text):
    lines = text.replace(b"\r", b"").split(b"\n")
    if lines[-1] == b"":
        lines.pop()
    return [read_script_line(line) for line in lines]


# ---- list lines (the event editor's summaries) --------------------------

def sj(text):
    return text.encode("cp932")


def num(value):
    return b"%d" % value


def summary(event):
    code, a = event
    if code == 1:
        return sj("＊　") + a[0]
    if code == 2:
        return sj("＞　") + a[0] + sj("「") + a[1]
    if code == 3:
        position = {0: "◆ キャラ　中　", 1: "◆ キャラ　左　", 2: "◆ キャラ　右　"}.get(
            a[2], "◆ キャラ　ポジション不明　")
        if not a[0]:
            return sj(position + "退場")
        align = {0: "　下揃い ", 1: "　中央揃い ", 2: "　上揃い "}.get(a[3], "　配置不明 ")
        return sj(position) + a[0] + sj(align)
    if code == 4:
        return sj("★ 背　景　") + a[0] if a[0] else sj("★ 背　景　フェードアウト")
    if code == 5:
        return sj("▼ 選　択　") + a[0] + sj("／") + a[2] + sj("／") + a[4]
    if code == 6:
        return sj("→ ラベル　") + a[0]
    if code == 7:
        if a[0] != 0:
            return (sj("♪ CD-DA 　トラック") + num(a[0]) + sj("　フェード") + num(a[1])
                    + sj("ミリ秒"))
        return sj("♪ CD-DA 　停止　フェード") + num(a[1]) + sj("ミリ秒")
    if code == 9:
        if not a[0]:
            return sj("♪ PCM 　　オフ")
        return sj("♪ PCM 　　") + a[0] + (sj("　ループ") if a[1] != 0 else b"")
    if code == 10:
        texts = {0: "▽ フラグ設定　ＯＮ　", 1: "▽ フラグ設定　ＯＦＦ　", 2: "▽ フラグ設定　反転　"}
        if a[1] in texts:
            return sj(texts[a[1]]) + a[0]
        return sj("▽ フラグ設定　不明なオプション")
    if code == 11:
        f = a[0] + sj("　") if a[0] else sj("ファイル内　")
        lab = sj("ラベル") + b'"' + a[1] + b'"' + sj("　") if a[1] else sj("先頭　")
        cond = sj("条件：パラメタ") + b'"' + a[3] + b'"'
        if a[2] == 0:
            return sj("← ジャンプ　無条件　") + f + lab
        if a[2] == 1:
            return sj("← ジャンプ　") + f + lab + cond + sj("の値が０以外である")
        if a[2] == 2:
            return sj("← ジャンプ　") + f + lab + cond + sj("の値が０である")
        return sj("← ジャンプ　条件不明")
    if code == 12:
        return sj("§ タイトル設定　") + a[0]
    if code == 13:
        return sj("◎ クリックウェイト")
    if code == 14:
        return sj("◎ ミリ秒ウェイト　") + num(a[0]) + sj("ミリ秒")
    if code == 15:
        return sj("● メッセージボックス設定")
    if code == 16:
        return b"; " + a[0]
    if code == 17:
        if a[0]:
            return sj("♪ MP3   　") + a[0] + sj("　フェード") + num(a[1]) + sj("ミリ秒")
        return sj("♪ MP3   　停止　フェード") + num(a[1]) + sj("ミリ秒")
    if code == 18:
        return sj("● フェード設定　") + num(a[1]) + b"ms " + num(a[3]) + b"ms"
    if code == 19:
        return sj("● ボタン選択　") + a[0]
    if code == 20:
        return (sj("★● アニメーション　") + num(a[0]) + sj("ミリ秒　") + num(a[1])
                + sj("個のレイヤーを変更　") + a[2])
    if code == 21:
        ops = ["＋", "－", "×", "÷", "％", "＆", "｜", "＾", "＞", "＜", "≧", "≦", "=="]
        op = "　" + ops[a[2]] + "　" if 0 <= a[2] < len(ops) else "　演算子不明　"
        return sj("▽　パラメタ設定　") + a[0] + sj("　＝　") + a[1] + sj(op) + a[3]
    if code == 22:
        channel = {0: "ＢＧＭ　", 1: "ボイス　", 2: "効果音　"}.get(a[1], "チャンネル不明　")
        line = sj("♪ Vorbis　" + channel) + (a[0] if a[0] else sj("停止"))
        if a[2] != 0:
            line += sj("　フェード") + num(a[2]) + sj("ミリ秒")
        if a[3] != 0 and a[0]:
            line += sj("　ループ再生")
        return line
    if code == 23:
        line = sj("♪ MIDI　　") + (a[0] + b"  " if a[0] else sj("停止  "))
        line += sj("フェード") + num(a[1]) + sj("ミリ秒")
        return line + (sj("  ループ演奏") if a[2] != 0 else b"")
    return sj("エラー：未知のイベントタイプです。")


def list_lines(events):
    lines = [b"%-4d " % (i + 1) + summary(e) + b"\n" for i, e in enumerate(events)]
    return b"".join(lines) + b"%-4d \n" % (len(events) + 1)
