#!/usr/bin/env python3
"""Writes the seven model template files template/*.ysht.

The templates are data that ship with the program. This script is the one place where
they are described, so that the seven files stay consistent with each other. The build
never runs it: run it by hand after a change and commit both the script and its output.

    python3 scripts/gen-templates.py            # writes <repo>/template/*.ysht
    python3 scripts/gen-templates.py --out DIR  # writes into DIR instead

docs/templates.md describes the file format and the conventions used here.
"""

import argparse
import os
from dataclasses import dataclass, field
from typing import List, Optional, Tuple
from xml.sax.saxutils import quoteattr

# --------------------------------------------------------------------------------------
# Model description
# --------------------------------------------------------------------------------------

# Tree image indexes (the function tree's image list): 0 radio, 1 settings page,
# 2 list, 3 list record.
IMG_RADIO, IMG_PAGE, IMG_LIST, IMG_RECORD = 0, 1, 2, 3

# Control types.
CT_FREE, CT_VALUE, CT_CHECK, CT_CHOICE, CT_MASKED, CT_FILE, CT_RECORD, CT_COLOURED = (
    0, 1, 2, 3, 4, 5, 7, 8)

Choice = Tuple[int, str, str]  # stored value, English text, Chinese text


@dataclass
class Field:
    """One setting or one field of a list record."""
    name: str
    en: str
    cn: str
    ctl: int
    default: str = ""
    choices: Optional[List[Choice]] = None  # inline choice list
    choice_ref: str = ""                     # "global_..." or "elements_X_elements"
    choice_ref_cn: str = ""
    tip: str = ""
    tip_cn: str = ""
    show: bool = True


@dataclass
class Chapter:
    id: str
    name: str
    parent: str
    en: str
    cn: str
    image: int = IMG_PAGE
    expanded: bool = False
    show_elements: bool = False


@dataclass
class Record:
    """One record of a list: its display name and the values that differ from the
    free record's defaults. Member fields ("Channel") are listed separately."""
    name: str
    values: dict = field(default_factory=dict)
    members: List[str] = field(default_factory=list)


@dataclass
class ListSpec:
    chapter: str           # list chapter id
    id_digits: str         # four digits of the record ids
    record_name: str       # name of the record elements ("ChannelName")
    en: str
    cn: str
    prefix: str            # display-name prefix of new records (free record's inputValue)
    fields: List[Field]
    records: List[Record]
    member_field: Optional[Field] = None  # repeated reference field ("Channel")


@dataclass
class Window:
    chapter: str
    groups: List[Tuple[str, str, List[str]]]  # (heading en, heading cn, element names)


@dataclass
class Model:
    file_name: str
    root: str
    title: str
    comment: str
    chapters: List[Chapter]
    settings: List[Tuple[str, str, List[Field]]]  # (chapter id, id digits, fields)
    lists: List[ListSpec]
    globals_: List[Tuple[str, List[Choice]]]
    windows: List[Window]
    fixed_ids: dict = field(default_factory=dict)  # setting name -> fixed element id


# --------------------------------------------------------------------------------------
# Choice helpers
# --------------------------------------------------------------------------------------

def choices_en(choices: List[Choice]) -> str:
    return "|".join(f"{v}:{en}" for v, en, _ in choices)


def choices_cn(choices: List[Choice]) -> str:
    return "|".join(f"{v}:{cn}" for v, _, cn in choices)


def same_texts(choices: List[Choice]) -> bool:
    return all(en == cn for _, en, cn in choices)


def seconds(values, start=0):
    """Choices whose texts are a number of seconds; values numbered from start."""
    out = []
    for i, s in enumerate(values):
        text = f"{s:g}"
        out.append((start + i, f"{text} s", f"{text}秒"))
    return out


def levels(first, last):
    return [(n, f"Level {n}", f"{n}级") for n in range(first, last + 1)]


def numbers(first, last):
    return [(n, str(n), str(n)) for n in range(first, last + 1)]


OFF = (0, "Off", "关闭")

CTCSS_TONES = [
    67.0, 69.3, 71.9, 74.4, 77.0, 79.7, 82.5, 85.4, 88.5, 91.5, 94.8, 97.4, 100.0, 103.5,
    107.2, 110.9, 114.8, 118.8, 123.0, 127.3, 131.8, 136.5, 141.3, 146.2, 151.4, 156.7,
    159.8, 162.2, 165.5, 167.9, 171.3, 173.8, 177.3, 179.9, 183.5, 186.2, 189.9, 192.8,
    196.6, 199.5, 203.5, 206.5, 210.7, 218.1, 225.7, 229.1, 233.6, 241.8, 250.3, 254.1,
]

DCS_CODES = [
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "654", "662", "664",
    "703", "712", "723", "731", "732", "734", "743", "754",
]

assert len(CTCSS_TONES) == 50 and len(DCS_CODES) == 104


def tone_choices() -> List[Choice]:
    """Tone code scheme: 0 off; CTCSS in tenths of a hertz; DCS 0x8000 + the octal code's
    value (normal) or 0xC000 + it (inverted)."""
    out: List[Choice] = [OFF]
    for hz in CTCSS_TONES:
        out.append((round(hz * 10), f"{hz:.1f} Hz", f"{hz:.1f} Hz"))
    for inverted, base in (("N", 0x8000), ("I", 0xC000)):
        for code in DCS_CODES:
            text = f"D{code}{inverted}"
            out.append((base + int(code, 8), text, text))
    return out


# --------------------------------------------------------------------------------------
# Writer
# --------------------------------------------------------------------------------------

def attrs(pairs) -> str:
    return " ".join(f"{k}={quoteattr(str(v))}" for k, v in pairs)


def field_attrs(f: Field, element_id: str, parent: str, value: str, image: int = 0):
    """Attributes of a setting or field; a template's default is its current value."""
    pairs = [("id", element_id), ("name", f.name), ("parentID", parent),
             ("textENG", f.en), ("textCHN", f.cn), ("controlType", f.ctl)]
    if f.choices is not None:
        pairs.append(("choiceValue", choices_en(f.choices)))
        if not same_texts(f.choices):
            pairs.append(("choiceValueCHN", choices_cn(f.choices)))
    elif f.choice_ref:
        pairs.append(("choiceValue", f.choice_ref))
        if f.choice_ref_cn:
            pairs.append(("choiceValueCHN", f.choice_ref_cn))
    else:
        pairs.append(("choiceValue", ""))
    pairs += [("defaultValue", value), ("inputValue", value)]
    if f.tip:
        pairs += [("tiptext", f.tip), ("tiptextCHN", f.tip_cn or f.tip)]
    pairs += [("image", image), ("showSelf", 1 if f.show else 0)]
    return pairs


def render_chapters(model: Model, out: List[str]):
    out.append('  <chapters type="template">')
    for ch in model.chapters:
        out.append("    <chapter " + attrs([
            ("id", ch.id), ("name", ch.name), ("parentID", ch.parent), ("text", ch.en),
            ("textENG", ch.en), ("textCHN", ch.cn), ("expanded", int(ch.expanded)),
            ("image", ch.image), ("selectImage", ch.image), ("expandImage", ch.image),
            ("showElement", int(ch.show_elements)), ("showSelf", 1)]) + "/>")
    out.append("  </chapters>")


def render_settings(model: Model, out: List[str]):
    chapter_text = {ch.id: ch.en for ch in model.chapters}
    for chapter_id, digits, fields in model.settings:
        out.append(f"    <!-- {chapter_text[chapter_id]} -->")
        number = 1
        for f in fields:
            element_id = model.fixed_ids.get(f.name)
            if element_id is None:
                while f"e{digits}{number:04d}" in model.fixed_ids.values():
                    number += 1
                element_id = f"e{digits}{number:04d}"
                number += 1
            out.append("    <element " + attrs(field_attrs(f, element_id, chapter_id,
                                                              f.default)) + "/>")


def render_list(spec: ListSpec, out: List[str], chapter_text: str):
    out.append(f"    <!-- {chapter_text}: the free record first, then the records in use -->")
    # Field ids: the list's digits, then 9 and the field number; member fields 8 and
    # their position. They are the same in every record of the list.
    field_ids = {f.name: f"e{spec.id_digits}9{i + 1:03d}" for i, f in enumerate(spec.fields)}

    def record(number: int, rec: Optional[Record]):
        rid = f"e{spec.id_digits}{number:04d}"
        free = rec is None
        head = [("id", rid), ("name", spec.record_name), ("parentID", spec.chapter),
                ("textENG", spec.en), ("textCHN", spec.cn),
                ("controlType", CT_FREE if free else CT_RECORD), ("choiceValue", ""),
                ("defaultValue", str(CT_RECORD) if free else rec.name),
                ("inputValue", spec.prefix if free else rec.name),
                ("image", IMG_RECORD), ("showSelf", 1)]
        out.append("    <element " + attrs(head) + ">")
        for f in spec.fields:
            value = f.default if free or f.name not in rec.values else str(rec.values[f.name])
            out.append("      <element " + attrs(field_attrs(f, field_ids[f.name], rid,
                                                                value)) + "/>")
        if spec.member_field is not None:
            members = [""] if free or not rec.members else rec.members
            for k, member in enumerate(members):
                mid = f"e{spec.id_digits}8{k + 1:03d}"
                out.append("      <element " + attrs(
                    field_attrs(spec.member_field, mid, rid, member)) + "/>")
        out.append("    </element>")

    record(1, None)
    for i, rec in enumerate(spec.records):
        record(i + 2, rec)


def render_windows(model: Model, out: List[str]):
    for window in model.windows:
        out.append(f'  <Window parentID="{window.chapter}">')
        for heading_en, heading_cn, names in window.groups:
            out.append("    <row><Label " + attrs([
                ("text", heading_en), ("textENG", heading_en), ("textCHN", heading_cn),
                ("bkcolor", "0xDADAB4")]) + "/></row>")
            for i in range(0, len(names), 2):
                items = "".join(f"<element name={quoteattr(n)}/>" for n in names[i:i + 2])
                out.append(f"    <row>{items}</row>")
        out.append("  </Window>")


def share_record_choices(model: Model):
    """Moves the choice lists of record fields into global values, so that a list of
    hundreds of records does not repeat them in every record."""
    known = {name for name, _ in model.globals_}
    for spec in model.lists:
        for f in spec.fields:
            if f.choices is None:
                continue
            name = f"global_{f.name}"
            if name not in known:
                model.globals_.append((name, f.choices))
                known.add(name)
            f.choice_ref = name
            f.choice_ref_cn = "" if same_texts(f.choices) else name + "_chn"
            f.choices = None


def render(model: Model) -> str:
    share_record_choices(model)
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           f"<!-- {model.comment} -->",
           "<!-- Written by scripts/gen-templates.py; docs/templates.md describes the format. -->",
           f"<{model.root}>"]
    render_chapters(model, out)
    out.append("  <elements>")
    render_settings(model, out)
    chapter_text = {ch.id: ch.en for ch in model.chapters}
    for spec in model.lists:
        render_list(spec, out, chapter_text[spec.chapter])
    out.append("  </elements>")
    out.append("  <global_value>")
    for name, choices in model.globals_:
        out.append(f"    <{name} value={quoteattr(choices_en(choices))}/>")
        if not same_texts(choices):
            out.append(f"    <{name}_chn value={quoteattr(choices_cn(choices))}/>")
    out.append("  </global_value>")
    render_windows(model, out)
    out.append(f"</{model.root}>")
    return "\n".join(out) + "\n"


# --------------------------------------------------------------------------------------
# Shared choice lists
# --------------------------------------------------------------------------------------

TONES = tone_choices()


def tone_field(name, en, cn):
    return Field(name, en, cn, CT_CHOICE, "0", choice_ref="global_tones",
                 choice_ref_cn="global_tones_chn")


def check(name, en, cn, on=False, tip="", tip_cn=""):
    return Field(name, en, cn, CT_CHECK, "1" if on else "", tip=tip, tip_cn=tip_cn)


def choice(name, en, cn, choices, default, tip="", tip_cn=""):
    return Field(name, en, cn, CT_CHOICE, str(default), choices=choices, tip=tip,
                 tip_cn=tip_cn)


def value(name, en, cn, default="", tip="", tip_cn=""):
    return Field(name, en, cn, CT_VALUE, str(default), tip=tip, tip_cn=tip_cn)


def mhz(text: str) -> int:
    """Whole hertz from a megahertz text, without floating-point rounding."""
    whole, _, frac = text.partition(".")
    return int(whole) * 1_000_000 + int((frac + "000000")[:6])


# --------------------------------------------------------------------------------------
# GX5 family
# --------------------------------------------------------------------------------------

GX5_KEY_FUNCTIONS: List[Choice] = [
    (0, "None", "无"), (1, "Monitor", "监听"), (2, "Momentary monitor", "瞬时监听"),
    (3, "Scan", "扫描"), (4, "VOX", "声控"), (5, "Power level", "功率切换"),
    (6, "Talkaround", "脱网"), (7, "Reverse frequency", "反频"), (8, "Emergency", "紧急报警"),
    (9, "Weather channel", "天气频道"), (10, "FM radio", "收音机"),
    (11, "Flashlight", "手电筒"), (12, "Zone up", "区域加"), (13, "Zone down", "区域减"),
    (14, "Battery level", "电量播报"), (15, "Keypad lock", "键盘锁"),
]

DTMF_SEPARATORS: List[Choice] = [
    (0, "None", "无"), (1, "A", "A"), (2, "B", "B"), (3, "C", "C"), (4, "D", "D"),
    (5, "*", "*"), (6, "#", "#"),
]

PTT_ID: List[Choice] = [
    OFF, (1, "Begin", "按下发送"), (2, "End", "松开发送"), (3, "Begin and end", "按下和松开发送"),
]

SQUELCH_MODES: List[Choice] = [
    (0, "Carrier", "载波"), (1, "CTCSS/DCS", "亚音"),
]

DTMF_TIP = "Digits 0-9, A-D, * and #"
DTMF_TIP_CN = "可用字符 0-9、A-D、* 和 #"
REF_TIP = "Chosen from the list; None when empty"
REF_TIP_CN = "从列表中选择；为空时显示 None"


def gx5_general(bands: List[Choice]) -> List[Field]:
    return [
        value("radioName", "Radio name", "对讲机名称", "", "Up to 16 characters", "最多16个字符"),
        value("radioId", "Radio ID", "对讲机ID", "", "Up to 10 characters", "最多10个字符"),
        choice("sysLanguage", "Menu language", "菜单语言",
               [(0, "English", "英文"), (1, "Chinese", "中文")], 0),
        choice("uiAttribute_ChnlDisp", "Channel display", "信道显示方式",
               [(0, "Name", "名称"), (1, "Frequency", "频率"), (2, "Channel number", "信道号")], 0),
        choice("uiAttribute_Band", "Band", "频段", bands, 0),
        choice("stepVal", "Frequency step", "频率步进",
               [(2500, "2.5 kHz", "2.5 kHz"), (5000, "5 kHz", "5 kHz"),
                (6250, "6.25 kHz", "6.25 kHz"), (10000, "10 kHz", "10 kHz"),
                (12500, "12.5 kHz", "12.5 kHz"), (20000, "20 kHz", "20 kHz"),
                (25000, "25 kHz", "25 kHz"), (50000, "50 kHz", "50 kHz")], 12500),
        Field("ReadingPassword", "Read password", "读频密码", CT_MASKED, "",
              tip="Up to 8 digits; empty for none", tip_cn="最多8位数字；为空表示无密码"),
        Field("WritingPassword", "Write password", "写频密码", CT_MASKED, "",
              tip="Up to 8 digits; empty for none", tip_cn="最多8位数字；为空表示无密码"),
        choice("BatterySaveMode", "Battery save", "省电模式",
               [OFF, (1, "Standard", "标准"), (2, "Enhanced", "增强"), (3, "Maximum", "最大")], 1),
        choice("BatterySaveDealy", "Battery save delay", "省电延时",
               seconds([5, 10, 15, 20, 30, 60]), 1),
        check("funcEnBits1_BatLvlBeepEn", "Battery level beep", "电量提示音", True),
        check("funcEnBits1_LowBatBeepEn", "Low battery alert", "低电量告警", True),
        value("autoPwrOff", "Auto power off", "自动关机", 0,
              "Minutes without use before the radio switches off (0-255); 0 = never",
              "无操作多少分钟后自动关机（0-255）；0 表示不关机"),
        choice("BacklightBrightness", "Backlight brightness", "背光亮度", levels(1, 5), 3),
        choice("BacklightTime", "Backlight time", "背光时间",
               [(0, "Always on", "常亮")] + seconds([5, 10, 15, 20, 30, 60], 1), 2),
        value("menuExitDelay", "Menu exit delay", "菜单退出时间", 10,
              "Seconds without a key press before the menu closes (0-255)",
              "无按键多少秒后退出菜单（0-255）"),
        check("CallInLight", "Call indicator light", "来电指示灯", True),
        check("VoicePromptEn", "Voice prompt", "语音提示", True),
        check("KeyBeepEn", "Key beep", "按键音", True),
        check("TxEnBeepEn", "Transmit permit tone", "允许发射提示音", False),
        check("RogerBeepEn", "Roger beep", "发射结束音", False),
        choice("CallTone", "Call tone", "呼叫音",
               [(0, "1000 Hz", "1000 Hz"), (1, "1450 Hz", "1450 Hz"), (2, "1750 Hz", "1750 Hz"),
                (3, "2100 Hz", "2100 Hz")], 2),
        choice("audioMode", "Audio mode", "音频模式",
               [(0, "Standard", "标准"), (1, "Bass boost", "低音增强"),
                (2, "Treble boost", "高音增强")], 0),
        choice("micGain", "Microphone gain", "麦克风增益", levels(0, 9), 5),
        value("tailDelayTime", "Squelch tail delay", "静噪尾音延时", 0,
              "Delay before the speaker closes after a signal ends, in 10 ms steps (0-255)",
              "信号结束后关闭喇叭前的延时，单位10毫秒（0-255）"),
        check("funcEnBits1_RtcPlay", "Clock announcement", "时钟播报", False),
        check("funcEnBits1_AgcEn", "Automatic gain control", "自动增益控制", False),
        choice("agcGain_Threshold", "AGC threshold", "AGC门限", numbers(0, 15), 8),
        choice("agcGain_Gain", "AGC gain", "AGC增益", numbers(0, 15), 8),
        choice("voxThreshold", "VOX level", "声控等级", levels(1, 9), 3),
        choice("voxDelay", "VOX delay", "声控延时",
               seconds([0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5]), 1),
        check("VfoSwEn", "VFO mode allowed", "允许频率模式", True),
        choice("funcEnBits1_StunMode", "Stun state", "遥毙状态",
               [(0, "Normal", "正常"), (1, "Transmit inhibited", "禁止发射"),
                (2, "Transmit and receive inhibited", "禁止收发")], 0),
    ]


GX5_GENERAL_WINDOW = [
    ("Radio", "对讲机", ["radioName", "radioId", "sysLanguage", "uiAttribute_ChnlDisp",
                        "uiAttribute_Band", "stepVal"]),
    ("Passwords", "密码", ["ReadingPassword", "WritingPassword"]),
    ("Battery", "电池", ["BatterySaveMode", "BatterySaveDealy", "funcEnBits1_BatLvlBeepEn",
                       "funcEnBits1_LowBatBeepEn", "autoPwrOff"]),
    ("Display", "显示", ["BacklightBrightness", "BacklightTime", "menuExitDelay",
                       "CallInLight"]),
    ("Tones and audio", "提示音与音频", ["VoicePromptEn", "KeyBeepEn", "TxEnBeepEn",
                                   "RogerBeepEn", "CallTone", "audioMode", "micGain",
                                   "tailDelayTime", "funcEnBits1_RtcPlay"]),
    ("Automatic gain control", "自动增益控制", ["funcEnBits1_AgcEn", "agcGain_Threshold",
                                          "agcGain_Gain"]),
    ("VOX", "声控", ["voxThreshold", "voxDelay"]),
    ("Functions", "功能", ["VfoSwEn", "funcEnBits1_StunMode"]),
]


def gx5_keys() -> List[Field]:
    def key(name, en, cn, default):
        return Field(name, en, cn, CT_CHOICE, str(default), choice_ref="global_keyfunc",
                     choice_ref_cn="global_keyfunc_chn")
    return [
        key("TK1ShortPress", "Top key short press", "顶键短按", 8),
        key("TK1LongPress", "Top key long press", "顶键长按", 11),
        key("SildeButton1ShortPress", "Side key 1 short press", "侧键1短按", 1),
        key("SildeButton1LongPress", "Side key 1 long press", "侧键1长按", 3),
        key("SildeButton2ShortPress", "Side key 2 short press", "侧键2短按", 5),
        key("SildeButton2LongPress", "Side key 2 long press", "侧键2长按", 4),
        choice("LongPressDuration", "Long press time", "长按时间",
               [(5, "0.5 s", "0.5秒"), (10, "1 s", "1秒"), (15, "1.5 s", "1.5秒"),
                (20, "2 s", "2秒"), (25, "2.5 s", "2.5秒"), (30, "3 s", "3秒")], 10),
        check("KnobLocked", "Lock knob", "锁定旋钮", False),
        check("SildeButtonLocked", "Lock side keys", "锁定侧键", False),
        check("PannelLocked", "Lock keypad", "锁定键盘", False),
    ]


GX5_KEYS_WINDOW = [
    ("Programmable keys", "可编程按键", ["TK1ShortPress", "TK1LongPress",
                                    "SildeButton1ShortPress", "SildeButton1LongPress",
                                    "SildeButton2ShortPress", "SildeButton2LongPress",
                                    "LongPressDuration"]),
    ("Locks", "锁定", ["KnobLocked", "SildeButtonLocked", "PannelLocked"]),
]


def gx5_dtmf_settings() -> List[Field]:
    return [
        value("ownId", "Own ID", "本机ID", "", DTMF_TIP + "; up to 10", DTMF_TIP_CN + "；最多10位"),
        value("stunId", "Stun code", "遥毙码", "", DTMF_TIP + "; up to 10",
              DTMF_TIP_CN + "；最多10位"),
        value("reviveId", "Revive code", "遥活码", "", DTMF_TIP + "; up to 10",
              DTMF_TIP_CN + "；最多10位"),
        value("pttId_BOT", "PTT ID at begin", "按下发送码", "", DTMF_TIP + "; up to 16",
              DTMF_TIP_CN + "；最多16位"),
        value("pttId_EOT", "PTT ID at end", "松开发送码", "", DTMF_TIP + "; up to 16",
              DTMF_TIP_CN + "；最多16位"),
        choice("pttidType_Bit", "PTT ID", "PTT ID", PTT_ID, 0),
        choice("stunMode_Bit", "Stun type", "遥毙方式",
               [(0, "Transmit inhibit", "禁止发射"), (1, "Transmit and receive inhibit", "禁止收发")],
               0),
        check("showAni_Bit", "Show caller ID", "显示对方ID", True),
        check("sideTone_Bit", "Side tone", "侧音", True),
        choice("digitDelay", "First digit delay", "首码延时",
               [(n, f"{n * 100} ms", f"{n * 100}毫秒") for n in range(0, 11)], 3),
        choice("autoRstTime", "Auto reset time", "自动复位时间",
               [OFF] + seconds([5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60], 1), 2),
    ]


GX5_DTMF_WINDOW = [
    ("Codes", "编码", ["ownId", "stunId", "reviveId", "pttId_BOT", "pttId_EOT"]),
    ("Options", "选项", ["pttidType_Bit", "stunMode_Bit", "showAni_Bit", "sideTone_Bit",
                       "digitDelay", "autoRstTime"]),
]


def gx5_powerup(home_channels: List[str]) -> List[Field]:
    fields = [
        Field("PowerOnPassword", "Power-on password", "开机密码", CT_MASKED, "",
              tip="Up to 8 digits; empty for none", tip_cn="最多8位数字；为空表示无密码"),
        check("funcEnBits1_PwrUpBat", "Show battery voltage at power-up", "开机显示电压", True),
    ]
    for n, channel in zip((1, 2, 3), home_channels):
        fields += [
            check(f"home{n}PwrupZoneSwitch", f"Home {n}: fixed power-up zone",
                  f"开机位置{n}：固定区域", False),
            value(f"home{n}PwrupZoneIndex", f"Home {n}: power-up zone", f"开机位置{n}：开机区域",
                  "e01040002", "Zone the radio starts in; AllChannel for all channels",
                  "开机所在区域；AllChannel 表示全部信道"),
            value(f"home{n}PwrupChnl", f"Home {n}: power-up channel", f"开机位置{n}：开机信道",
                  channel, REF_TIP, REF_TIP_CN),
        ]
    return fields


GX5_POWERUP_WINDOW = [
    ("Power-up", "开机", ["PowerOnPassword", "funcEnBits1_PwrUpBat"]),
    ("Home 1", "开机位置1", ["home1PwrupZoneSwitch", "home1PwrupZoneIndex", "home1PwrupChnl"]),
    ("Home 2", "开机位置2", ["home2PwrupZoneSwitch", "home2PwrupZoneIndex", "home2PwrupChnl"]),
    ("Home 3", "开机位置3", ["home3PwrupZoneSwitch", "home3PwrupZoneIndex", "home3PwrupChnl"]),
]


def gx5_weather_settings() -> List[Field]:
    return [
        check("funcEnBits1_WxScanOn", "Weather alert scan", "天气警报扫描", False),
        Field("noaaChnl", "Weather channel", "天气频道", CT_CHOICE, "0",
              choice_ref="elements_noaaName_elements"),
    ]


GX5_WEATHER_WINDOW = [
    ("Weather", "天气", ["funcEnBits1_WxScanOn", "noaaChnl"]),
]


def gx5_device(model_number: str, freq_min: int, freq_max: int) -> List[Field]:
    ro = "Set at the factory; read from the radio"
    ro_cn = "出厂设定；从对讲机读取"
    return [
        value("ModelNumber", "Model", "型号", model_number, ro, ro_cn),
        value("ModelNumber2", "Model code", "型号代码", "-0000000000000000000-PCB-01", ro, ro_cn),
        value("SerialNO", "Serial number", "序列号", "", ro, ro_cn),
        value("hwVer", "Hardware version", "硬件版本", "01", ro, ro_cn),
        value("freqMin", "Lowest frequency", "最低频率", freq_min, ro, ro_cn),
        value("freqMax", "Highest frequency", "最高频率", freq_max, ro, ro_cn),
        value("SaleTerr", "Sales territory", "销售区域", 0, ro, ro_cn),
        value("machMode", "Machine mode", "机器模式", 0, ro, ro_cn),
    ]


def gx5_version() -> List[Field]:
    ro = "Read from the radio"
    ro_cn = "从对讲机读取"
    return [
        value("datVer", "Data version", "数据版本", 1, ro, ro_cn),
        value("swVer", "Software version", "软件版本", "V1.00.00.000", ro, ro_cn),
    ]


GX5_FIXED_IDS = {
    "SerialNO": "e01010001", "datVer": "e01010002", "swVer": "e01010003",
    "ModelNumber": "e01010004", "hwVer": "e01010005", "freqMin": "e01010007",
    "freqMax": "e01010008", "SaleTerr": "e01010009", "machMode": "e01010010",
    "ModelNumber2": "e01010011",
}


def member(en="Channel", cn="信道"):
    return Field("Channel", en, cn, CT_VALUE, "", tip=REF_TIP, tip_cn=REF_TIP_CN)


def gx5_channel_fields() -> List[Field]:
    return [
        value("RxFrequency", "Receive frequency", "接收频率", mhz("145.000")),
        value("TxFrequency", "Transmit frequency", "发射频率", mhz("145.000")),
        tone_field("CTCSSRxValue", "Receive CTCSS/DCS", "接收亚音"),
        tone_field("CTCSSTxValue", "Transmit CTCSS/DCS", "发射亚音"),
        choice("ReceiveSquelchMode", "Receive squelch mode", "接收静噪模式",
               [(0, "Carrier", "载波"), (1, "CTCSS/DCS", "亚音"), (2, "DTMF", "DTMF"),
                (3, "CTCSS/DCS and DTMF", "亚音与DTMF")], 0),
        choice("ChannelPower", "Power", "功率",
               [(0, "Low", "低"), (1, "Middle", "中"), (2, "High", "高")], 2),
        choice("BandWidth", "Bandwidth", "带宽",
               [(0, "Wide 25 kHz", "宽带 25 kHz"), (1, "Narrow 12.5 kHz", "窄带 12.5 kHz")], 0),
        choice("ChannelModel", "Channel mode", "信道模式",
               [(0, "Analog", "模拟"), (1, "Digital", "数字")], 0),
        check("attribute_pwr_lock", "Power locked", "功率锁定", False),
        check("attribute_space_lock", "Bandwidth locked", "带宽锁定", False),
        choice("attribute_tail", "Squelch tail elimination", "尾音消除",
               [OFF, (1, "55 Hz", "55 Hz"), (2, "120°", "120°"), (3, "180°", "180°")], 0),
        choice("txPermit_Tot", "Transmit time-out", "发射限时",
               [OFF] + seconds([15 * n for n in range(1, 41)], 1), 4),
        choice("txPermit_Set", "Transmit permit", "发射许可",
               [(0, "Always", "始终允许"), (1, "Channel idle", "信道空闲"),
                (2, "Matching tone", "亚音匹配")], 0),
        check("VoxEnable", "VOX", "声控", False),
        check("DeEmpEn", "De-emphasis", "去加重", True),
        check("ScramblerEn", "Scrambler", "加密", False),
        choice("TalkAroundEn", "Talkaround", "脱网",
               [OFF, (1, "Talkaround", "脱网"), (2, "Reverse", "反频")], 0),
        check("scanAuto", "Auto scan", "自动扫描", False),
        value("scanListIndex", "Scan list", "扫描列表", "", REF_TIP, REF_TIP_CN),
        value("emgListIndex", "Emergency entry", "紧急报警", "", REF_TIP, REF_TIP_CN),
        choice("pttIdType", "PTT ID", "PTT ID", PTT_ID, 0),
        choice("signalSysIndex", "DTMF system", "DTMF系统",
               [(0, "None", "无")] + [(n, f"System {n}", f"系统{n}") for n in range(1, 5)], 0),
    ]


def gx5_scan_fields() -> List[Field]:
    return [
        choice("scan_mode", "Scan mode", "扫描模式",
               [(0, "Time operated", "时间扫描"), (1, "Carrier operated", "载波扫描"),
                (2, "Search", "搜索扫描")], 0),
        choice("chCfg_TxChnl", "Transmit channel", "发射信道",
               [(0, "Current channel", "当前信道"), (1, "Last active channel", "最后活动信道"),
                (2, "Designated channel", "指定信道")], 0),
        value("TxChannel", "Designated transmit channel", "指定发射信道", "", REF_TIP,
              REF_TIP_CN),
        value("prio1Chnl", "Priority channel 1", "优先信道1", "", REF_TIP, REF_TIP_CN),
        value("prio2Chnl", "Priority channel 2", "优先信道2", "", REF_TIP, REF_TIP_CN),
        choice("chCfg_CtdcMode", "CTCSS/DCS during scan", "扫描亚音模式",
               [(0, "Follow channel", "跟随信道"), (1, "Carrier", "载波")], 0),
        choice("hangCfg_Hangtime", "Hang time", "停留时间", seconds(range(0, 16)), 3),
        check("hangCfg_TalkBack", "Talk back", "回讲", False),
    ]


def gx5_emergency_fields() -> List[Field]:
    return [
        choice("emgType", "Alarm type", "报警类型",
               [(0, "Regular", "常规"), (1, "Regular with voice", "常规带语音"),
                (2, "Silent", "静默"), (3, "Silent with voice", "静默带语音")], 0),
        choice("emgMode", "Alarm mode", "报警模式",
               [(0, "Alarm only", "仅报警"), (1, "Alarm and call", "报警并呼叫"),
                (2, "Call only", "仅呼叫")], 0),
        value("jumpChnl", "Revert channel", "跳转信道", "", REF_TIP, REF_TIP_CN),
        choice("sqlMode", "Squelch mode", "静噪模式", SQUELCH_MODES, 0),
        check("localEmgAlarm", "Local alarm", "本机报警", True),
        check("backTx", "Background transmit", "后台发射", False),
        choice("emgCycle", "Alarm cycles", "报警次数",
               [(0, "Continuous", "连续")] + numbers(1, 15), 5),
        choice("emgInterval", "Alarm interval", "报警间隔", seconds(range(0, 16)), 5),
        choice("txInterval", "Transmit interval", "发射间隔", seconds(range(0, 16)), 5),
        choice("hotMic", "Hot microphone", "热麦时间",
               [OFF] + seconds([10 * n for n in range(1, 13)], 1), 1),
        value("emgId", "Emergency ID", "报警ID", "", "Up to 8 characters", "最多8个字符"),
    ]


def gx5_dtmf_system_fields() -> List[Field]:
    fields = [
        choice("dtmfSignaling", "Signalling speed", "信令速率",
               [(0, "50 ms", "50毫秒"), (1, "100 ms", "100毫秒"), (2, "150 ms", "150毫秒"),
                (3, "200 ms", "200毫秒")], 1),
        choice("dtmfCodeLength", "Code length", "码长",
               [(n, f"{n} digits", f"{n}位") for n in range(3, 11)], 3),
        choice("groupCode", "Group code", "组呼码", DTMF_SEPARATORS, 0),
        choice("intermediateCode", "Separator code", "间隔码", DTMF_SEPARATORS, 0),
        check("encodeEnable", "Encode", "编码", True),
        check("decodeEnable", "Decode", "解码", True),
    ]
    for n in range(1, 11):
        fields.append(value(f"fastCallLst{n:02d}", f"Quick call {n}", f"快速呼叫{n}", "",
                            DTMF_TIP + "; up to 16", DTMF_TIP_CN + "；最多16位"))
    return fields


def gx5_fm_fields() -> List[Field]:
    return [
        value("FmFreq", "Frequency", "频率", mhz("88.000")),
        choice("stationSpace", "Station spacing", "电台间隔",
               [(0, "50 kHz", "50 kHz"), (1, "100 kHz", "100 kHz"), (2, "200 kHz", "200 kHz")],
               1),
    ]


def gx5_noaa_fields() -> List[Field]:
    return [
        value("noaaFreq", "Frequency", "频率", mhz("162.550")),
        check("wxmonitor", "Alert monitor", "警报监听", True),
    ]


# Weather channels WX1 to WX7 of the 162 MHz weather radio service.
WEATHER_CHANNELS = ["162.550", "162.400", "162.475", "162.425", "162.450", "162.500",
                    "162.525"]


def gx5_chapters(title: str) -> List[Chapter]:
    return [
        Chapter("c01", "Radio", "", "Radio", "对讲机", IMG_RADIO, expanded=True),
        Chapter("c0101", "DeviceInfo", "c01", "Device information", "设备信息"),
        Chapter("c0102", "Version", "c01", "Version", "版本信息"),
        Chapter("c0103", "GeneralSetting", "c01", "General settings", "常规设置"),
        Chapter("c0104", "Zone", "c01", "Zones", "区域", IMG_LIST, show_elements=True),
        Chapter("c0105", "Keys", "c01", "Keys", "按键设置"),
        Chapter("c0106", "DtmfSetting", "c01", "DTMF settings", "DTMF设置"),
        Chapter("c0107", "PowerUp", "c01", "Power-up", "开机设置"),
        Chapter("c0108", "Emergency", "c01", "Emergency", "紧急报警", IMG_LIST,
                show_elements=True),
        Chapter("c0109", "Channel", "c01", "Channels", "信道", IMG_LIST, show_elements=True),
        Chapter("c0110", "ScanList", "c01", "Scan lists", "扫描列表", IMG_LIST,
                show_elements=True),
        Chapter("c0111", "FmRadio", "c01", "FM radio", "收音机", IMG_LIST, show_elements=True),
        Chapter("c0112", "Weather", "c01", "Weather", "天气"),
        Chapter("c011201", "WeatherSetting", "c0112", "Weather settings", "天气设置"),
        Chapter("c011202", "WeatherChannel", "c0112", "Weather channels", "天气频道", IMG_LIST,
                show_elements=True),
        Chapter("c0113", "DtmfSystem", "c01", "DTMF systems", "DTMF系统", IMG_LIST,
                show_elements=True),
    ]


def channel(name, rx, tx=None, **values):
    rx_hz = mhz(rx)
    tx_hz = mhz(tx) if tx else rx_hz
    return Record(name, dict(RxFrequency=rx_hz, TxFrequency=tx_hz, **values))


def gx5_lists(channels: List[Record], zones: List[Record],
              scan_members: List[str]) -> List[ListSpec]:
    return [
        ListSpec("c0104", "0104", "ZoneName", "Zone name", "区域名称", "Zone", [], zones,
                 member_field=member()),
        ListSpec("c0108", "0108", "EmergencyName", "Emergency name", "报警名称", "Emergency",
                 gx5_emergency_fields(), [Record("Emergency1")]),
        ListSpec("c0109", "0109", "ChannelName", "Channel name", "信道名称", "CH",
                 gx5_channel_fields(), channels),
        ListSpec("c0110", "0110", "ScanName", "Scan list name", "扫描列表名称", "Scan",
                 gx5_scan_fields(), [Record("Scan1", members=scan_members)],
                 member_field=member()),
        ListSpec("c0111", "0111", "fmName", "FM station name", "电台名称", "FM",
                 gx5_fm_fields(),
                 [Record(f"FM{i + 1}", dict(FmFreq=mhz(f)))
                  for i, f in enumerate(["88.100", "93.500", "99.900", "105.700"])]),
        ListSpec("c011202", "1202", "noaaName", "Weather channel name", "天气频道名称", "WX",
                 gx5_noaa_fields(),
                 [Record(f"WX{i + 1}", dict(noaaFreq=mhz(f)))
                  for i, f in enumerate(WEATHER_CHANNELS)]),
        ListSpec("c0113", "0113", "dtmfSystem", "DTMF system name", "DTMF系统名称", "DTMF",
                 gx5_dtmf_system_fields(), [Record(f"DTMF{n}") for n in range(1, 5)]),
    ]


def gx5_model(file_name, root, title, comment, bands, freq_min, freq_max, channels, zones,
              scan_members) -> Model:
    model_number = title
    return Model(
        file_name=file_name, root=root, title=title, comment=comment,
        chapters=gx5_chapters(title),
        settings=[
            ("c0101", "0101", gx5_device(model_number, freq_min, freq_max)),
            ("c0102", "0102", gx5_version()),
            ("c0103", "0103", gx5_general(bands)),
            ("c0105", "0105", gx5_keys()),
            ("c0106", "0106", gx5_dtmf_settings()),
            ("c0107", "0107", gx5_powerup(["e01090005", "e01090006", "e01090007"])),
            ("c011201", "1201", gx5_weather_settings()),
        ],
        lists=gx5_lists(channels, zones, scan_members),
        globals_=[("global_tones", TONES), ("global_keyfunc", GX5_KEY_FUNCTIONS)],
        windows=[
            Window("c0103", GX5_GENERAL_WINDOW), Window("c0105", GX5_KEYS_WINDOW),
            Window("c0106", GX5_DTMF_WINDOW), Window("c0107", GX5_POWERUP_WINDOW),
            Window("c011201", GX5_WEATHER_WINDOW),
        ],
        fixed_ids=GX5_FIXED_IDS,
    )


def channel_ids(first_number: int, count: int) -> List[str]:
    return [f"e0109{n:04d}" for n in range(first_number, first_number + count)]


def gx5() -> Model:
    vfos = [channel("VFO-A", "145.000"), channel("VFO-B", "223.500"),
            channel("VFO-C", "435.000")]
    memories = [channel(f"CH{n}", f"{150 + (n - 1) * 0.5:.3f}", scanListIndex="e01100002")
                for n in range(1, 9)]
    memories += [channel(f"CH{n}", f"{450 + (n - 9) * 0.5:.3f}", scanListIndex="e01100002")
                 for n in range(9, 17)]
    ids = channel_ids(5, 16)
    return gx5_model(
        "gx5_v001.ysht", "GX5v001", "GX5",
        "GX5 template: tri-band hand-held (136-174, 222-225, 400-520 MHz)",
        [(0, "VHF 136-174 MHz", "VHF 136-174 MHz"), (1, "1.25 m 222-225 MHz", "1.25米 222-225 MHz"),
         (2, "UHF 400-520 MHz", "UHF 400-520 MHz")],
        136_000_000, 520_000_000, vfos + memories,
        [Record("Zone1", members=ids)], ids)


# The GX5G's channel plan: 22 channels and 8 repeater channels of the 462/467 MHz
# personal radio band. Channels 8 to 14 are the seven fixed frequencies: narrow, low
# power, and locked.
def gx5g_fixed_channels() -> List[Record]:
    out = []
    for n in range(1, 8):
        out.append(channel(f"CH{n}", f"{462.5625 + (n - 1) * 0.025:.4f}"))
    for n in range(8, 15):
        out.append(channel(f"CH{n}", f"{467.5625 + (n - 8) * 0.025:.4f}", ChannelPower=0,
                           BandWidth=1, attribute_space_lock=1, attribute_pwr_lock=1))
    for n in range(15, 23):
        out.append(channel(f"CH{n}", f"{462.550 + (n - 15) * 0.025:.3f}"))
    for n in range(23, 31):
        out.append(channel(f"RPT{n}", f"{462.550 + (n - 23) * 0.025:.3f}",
                           f"{467.550 + (n - 23) * 0.025:.3f}"))
    return out


def gx5g() -> Model:
    vfos = [channel("VFO-A", "145.000"), channel("VFO-B", "435.000"),
            channel("VFO-C", "446.000")]
    fixed = gx5g_fixed_channels()
    for rec in fixed[:16]:
        rec.values["scanListIndex"] = "e01100002"
    ids = channel_ids(5, 30)
    return gx5_model(
        "gx5g_v001.ysht", "GX5Gv001", "GX5G",
        "GX5G template: dual-band hand-held (136-174, 400-480 MHz) with 30 fixed channels",
        [(0, "VHF 136-174 MHz", "VHF 136-174 MHz"), (2, "UHF 400-480 MHz", "UHF 400-480 MHz")],
        136_000_000, 480_000_000, vfos + fixed,
        [Record("Zone1", members=ids[:16]), Record("Zone2", members=ids[16:])], ids[:16])


# --------------------------------------------------------------------------------------
# LM704 and VS family
# --------------------------------------------------------------------------------------

# The 16 channels of the 446 MHz licence-free band, 12.5 kHz apart.
PMR_CHANNELS = [446_006_250 + 12_500 * k for k in range(16)]

LMVS_KEY_FUNCTIONS: List[Choice] = [
    (0, "None", "无"), (1, "Monitor", "监听"), (2, "Scan", "扫描"), (3, "VOX", "声控"),
    (4, "Alarm", "报警"), (5, "Battery level", "电量播报"),
]

VOICE = [OFF, (1, "Chinese", "中文"), (2, "English", "英文")]
# The VS31 reads a voice field of 0 as 2, so its codes start at 1.
VOICE_VS31 = [(1, "Off", "关闭"), (2, "English", "英文"), (3, "Chinese", "中文")]
SCAN_MODES = [(0, "Time operated", "时间扫描"), (1, "Carrier operated", "载波扫描")]
POWER_1BIT = [(0, "Low", "低"), (1, "High", "高")]
WIDTH_1BIT = [(0, "Narrow 12.5 kHz", "窄带 12.5 kHz"), (1, "Wide 25 kHz", "宽带 25 kHz")]


def squelch():
    return choice("squelch", "Squelch level", "静噪等级", numbers(0, 9), 3)


def tot():
    return choice("tot", "Transmit time-out", "发射限时",
                  [OFF] + seconds([30 * n for n in range(1, 11)], 1), 2)


def voxgain(name="voxgain"):
    return choice(name, "VOX level", "声控等级", levels(1, 9), 5)


def voxdelay(name="voxdelay"):
    return choice(name, "VOX delay", "声控延时",
                  seconds([0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5]), 1)


def voice(choices=None):
    return choice("voice", "Voice prompt", "语音提示", choices or VOICE, 2)


def lmvs_key(name, en, cn, default, show=True, tip="", tip_cn=""):
    return Field(name, en, cn, CT_CHOICE, str(default), choice_ref="global_keyfunc",
                 choice_ref_cn="global_keyfunc_chn", show=show, tip=tip, tip_cn=tip_cn)


def lmvs_settings(model: str) -> Tuple[List[Field], list]:
    """Settings record elements of one model and the groups of its settings window."""
    if model == "LM704":
        fields = [squelch(), voice(), tot(), check("battery_save", "Battery save", "省电", True),
                  choice("scanmode", "Scan mode", "扫描模式", SCAN_MODES, 0),
                  lmvs_key("key_pf1", "Side key", "侧键", 1),
                  check("vox_function", "VOX", "声控", False), voxgain(), voxdelay()]
        groups = [("General", "常规", ["squelch", "voice", "tot", "battery_save", "scanmode",
                                      "key_pf1"]),
                  ("VOX", "声控", ["vox_function", "voxgain", "voxdelay"])]
    elif model in ("VS31", "VS58"):
        first = (check("vox", "VOX", "声控", False) if model == "VS31"
                 else check("beep_tone", "Key beep", "按键音", True))
        fields = [squelch(), voice(VOICE_VS31 if model == "VS31" else VOICE), tot(),
                  check("save", "Battery save", "省电", True),
                  choice("scan_mode", "Scan mode", "扫描模式", SCAN_MODES, 0)]
        general = ["squelch", "voice", "tot", "save", "scan_mode"]
        if model == "VS31":
            fields += [first, voxgain(), voxdelay(),
                       # The VS31 keeps no side-key setting in its memory; the element
                       # stays for older project files but is not shown.
                       lmvs_key("pf2key", "Side key 2", "侧键2", 1, show=False,
                                tip="Not stored in this radio", tip_cn="本机型不保存此项")]
            groups = [("General", "常规", general), ("VOX", "声控", ["vox", "voxgain", "voxdelay"])]
        else:
            fields += [first, voxgain(), voxdelay()]
            groups = [("General", "常规", general + ["beep_tone"]),
                      ("VOX", "声控", ["voxgain", "voxdelay"])]
    elif model == "VS46":
        fields = [squelch(), voice(), tot(), check("save", "Battery save", "省电", True),
                  check("beep", "Key beep", "按键音", True),
                  lmvs_key("pf2key", "Side key 2", "侧键2", 1),
                  check("vox", "VOX", "声控", False), voxgain(), voxdelay()]
        groups = [("General", "常规", ["squelch", "voice", "tot", "save", "beep", "pf2key"]),
                  ("VOX", "声控", ["vox", "voxgain", "voxdelay"])]
    elif model == "VS73":
        fields = [choice("freq_range", "Frequency range", "频率范围",
                         [(0, "136-174 MHz", "136-174 MHz"), (1, "400-480 MHz", "400-480 MHz")], 1,
                         "Changing the range moves every channel frequency into it",
                         "切换范围时所有信道频率会调整到新范围内"),
                  squelch(), voice(), tot(),
                  choice("tot_alert", "Time-out pre-alert", "发射限时预警",
                         [OFF] + seconds(range(1, 11), 1), 0),
                  check("battery_save", "Battery save", "省电", True),
                  check("scramble_enable", "Scrambler", "加密", False),
                  lmvs_key("key_pf1", "Side key 1", "侧键1", 1),
                  lmvs_key("key_pf2", "Side key 2", "侧键2", 2),
                  check("vox_function", "VOX", "声控", False), voxgain(), voxdelay()]
        groups = [("General", "常规", ["freq_range", "squelch", "voice", "tot", "tot_alert",
                                      "battery_save", "scramble_enable"]),
                  ("Keys", "按键", ["key_pf1", "key_pf2"]),
                  ("VOX", "声控", ["vox_function", "voxgain", "voxdelay"])]
    else:
        raise ValueError(model)
    return fields, groups


def lmvs_channel_fields(model: str) -> List[Field]:
    fields = [value("rxfreq", "Receive frequency", "接收频率", PMR_CHANNELS[0]),
              value("txfreq", "Transmit frequency", "发射频率", PMR_CHANNELS[0]),
              tone_field("rx_tone", "Receive CTCSS/DCS", "接收亚音"),
              tone_field("tx_tone", "Transmit CTCSS/DCS", "发射亚音")]
    power = choice("highpower", "Power", "功率", POWER_1BIT, 0)
    width = choice("wide", "Bandwidth", "带宽", WIDTH_1BIT, 0)
    busy = check("busy_lock", "Busy channel lockout", "遇忙禁发", False)
    scan = check("scan_add", "Scan", "扫描添加", True)
    compander = check("compander", "Compander", "压扩", False)
    if model == "LM704":
        fields += [power, busy, scan,
                   check("scramble_type", "Scrambler", "加密", False), compander,
                   check("speccode", "Special code", "特殊编码", False)]
    elif model in ("VS31", "VS58"):
        fields += [power, width, busy, scan, check("scrambler", "Scrambler", "加密", False),
                   compander]
        if model == "VS31":
            fields.append(check("digit_ctc", "Digital sub-audio", "数字亚音", False))
    elif model == "VS46":
        fields += [power, width, busy, scan, check("signal", "Signalling", "信令", False)]
    elif model == "VS73":
        fields += [choice("highpower", "Power", "功率",
                          [(0, "Low", "低"), (1, "Middle", "中"), (2, "High", "高")], 0),
                   width,
                   choice("busy_lock", "Busy channel lockout", "遇忙禁发",
                          [OFF, (1, "Carrier", "载波"), (2, "CTCSS/DCS", "亚音")], 0),
                   scan, compander,
                   choice("cdcss_type", "DCS type", "数字亚音类型",
                          [(0, "Normal", "正码"), (1, "Inverted", "反码")], 0),
                   choice("scramble_type", "Scrambler type", "加密类型",
                          [(n, f"Type {n + 1}", f"类型{n + 1}") for n in range(8)], 0)]
    else:
        raise ValueError(model)
    return fields


LMVS_INFO = {
    # model: (file, root, uhf range text, vhf range text or None)
    "LM704": ("lm704_v001.ysht", "lm704_v001", "400.000-470.000 MHz", "Not supported"),
    "VS31": ("vs31_v001.ysht", "vs31_v001", "400.000-470.000 MHz", None),
    "VS46": ("vs46_v001.ysht", "vs46_v001", "400.000-470.000 MHz", None),
    "VS58": ("vs58_v001.ysht", "vs58_v001", "400.000-470.000 MHz", None),
    "VS73": ("vs73_v001.ysht", "vs73_v001", "400.000-480.000 MHz", "136.000-174.000 MHz"),
}


def lmvs(model: str) -> Model:
    file_name, root, uhf, vhf = LMVS_INFO[model]
    info_tip, info_tip_cn = "Frequency range of the radio", "对讲机的频率范围"
    device = [value("ModelNumber", "Model", "型号", model, "The radio model", "对讲机型号")]
    fixed = {}
    if vhf is not None:
        device.append(value("vhf_range", "VHF range", "VHF范围", vhf, info_tip, info_tip_cn))
        fixed["vhf_range"] = "e01010010"
    device.append(value("uhf_range", "UHF range", "UHF范围", uhf, info_tip, info_tip_cn))
    fixed["uhf_range"] = "e01010011"
    settings, groups = lmvs_settings(model)
    channels = [Record(f"CH{k + 1}", dict(rxfreq=hz, txfreq=hz))
                for k, hz in enumerate(PMR_CHANNELS)]
    return Model(
        file_name=file_name, root=root, title=model,
        comment=f"{model} template: 16-channel UHF hand-held",
        chapters=[
            Chapter("c01", "Radio", "", "Radio", "对讲机", IMG_RADIO, expanded=True),
            Chapter("c0101", "DeviceInfo", "c01", "Device information", "设备信息"),
            Chapter("c0103", "GeneralSetting", "c01", "General settings", "常规设置"),
            Chapter("c0109", "Channel", "c01", "Channels", "信道", IMG_LIST, show_elements=True),
        ],
        settings=[("c0101", "0101", device), ("c0103", "0103", settings)],
        lists=[ListSpec("c0109", "0109", "ChannelName", "Channel name", "信道名称", "CH",
                        lmvs_channel_fields(model), channels)],
        globals_=[("global_tones", TONES), ("global_keyfunc", LMVS_KEY_FUNCTIONS)],
        windows=[Window("c0103", groups)],
        fixed_ids=fixed,
    )


def models() -> List[Model]:
    return [gx5(), gx5g()] + [lmvs(m) for m in ("LM704", "VS31", "VS46", "VS58", "VS73")]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Writes the model template files.")
    parser.add_argument("--out", default=os.path.join(here, "..", "template"))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for model in models():
        path = os.path.join(args.out, model.file_name)
        with open(path, "w", encoding="utf-8", newline="\n") as out:
            out.write(render(model))
        print(f"wrote {os.path.normpath(path)}")


if __name__ == "__main__":
    main()
