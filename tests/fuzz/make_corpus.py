#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets (corpus/<target>/seed_*). Run from anywhere; rewrites the seeds."""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
PLACEHOLDER = "#引号".encode("gbk")


def gbk(s):
    return s.encode("gbk") if isinstance(s, str) else s


def pad(kind=0, blocks=0):
    """The padding byte of fuzz::Input::PaddedText: `blocks` x 128 bytes of pattern `kind` (0 none)."""
    return bytes([blocks * 4 + kind])


def small(value, mode=0):
    """The two bytes of fuzz::Input::SmallInteger: mode 14 and 15 reach the ends of the 32-bit range."""
    return bytes([mode, value & 0xFF])


SEEDS = {
    "text_to_number": {
        "hundred": b"100",
        "fraction": b"250.9",
        "spaces_letters": b"  12abc",
        "letters": b"abc",
        "exponent_d": b"1d3",
        "exponent_signed": b"-2.5E-3",
        "exponent_without_digit": b"1e+x",
        "point_five": b".5",
        "plus": b"+7",
        "sign_space": b"- 5",
        "fullwidth_digits": "１００".encode("gbk"),
        "fullwidth_all": "－１．５ｅ＋２".encode("gbk"),
        "ideographic_space": "　50".encode("gbk"),
        "tilde_star": b"\xa1\xab\xa1\xee\xa1\xef1",
        "dangling_lead": b"12\xa3",
        "trail_digit": b"\x815",
        "hex": b"0x10",
        "comma": b"1,000",
        "overflow": b"1e400",
        "underflow": b"-1e-400",
        "subnormal": b"4e-320",
        "max": b"1.7976931348623158e308",
        "tie": b"9007199254740993",
        "long_zeros": b"0." + b"0" * 330 + b"1e320",
        "long_digits": b"1" * 400 + b"e-100",
        "huge_exponent": b"7d99999999999999999999",
        "whitespace": b"\t\n\v\f\r 3",
        "inf_word": b"inf",
    },
    "find_text": {
        "last_letter": bytes([0]) + small(0) + pad() + b"c\0abc",
        "start_three": bytes([0]) + small(3) + pad() + b"c\0abc",
        "start_past": bytes([0]) + small(4) + pad() + b"c\0abc",
        "start_negative": bytes([0]) + small(-10) + pad() + b"c\0abc",
        "start_min": bytes([0]) + small(0, 14) + pad() + b"c\0abc",
        "start_max": bytes([0]) + small(0, 15) + pad() + b"c\0abc",
        "inside_character": bytes([0]) + small(0) + pad() + b"A\0\x81\x41",
        "second_byte_start": bytes([0]) + small(2) + pad() + b"A\0\x81\x41",
        "misaligned": bytes([0]) + small(0) + pad() + b"\xa1\xb0\0\xb0\xa1\xb0\xa1\xa1\xb0",
        "ignore_case": bytes([1]) + small(0) + pad() + b"WORLD\0Hello World",
        "ignore_case_trail": bytes([1]) + small(0) + pad() + b"\x81\x61\0\x81\x41",
        "chinese": bytes([0]) + small(0) + pad() + gbk("中\0版本中文"),
        "long_run": bytes([0]) + small(0) + pad() + b"\xa1X\0" + b"\xb0" + b"\xb0\xa1" * 40 + b"\xa1X\xa1X",
        "empty_needle": bytes([0]) + small(2) + pad() + b"\0abc",
        "utf8": bytes([0]) + small(0) + pad() + b"A\0\xe4\xb8\xad" + b"A",
        "window_parity_odd": bytes([0]) + small(0) + pad(2, 40) + b"<v>\0<v>",
        "window_parity_even": bytes([0]) + small(0) + pad(2, 40) + b"<v>\0\xb0<v>",
        "long_chinese_page": bytes([0]) + small(0) + pad(1, 40) + b"<v>\0\xb0<v>x<v>",
        "long_odd_page": bytes([0]) + small(0) + pad(3, 40) + b"<v>\0\xb0<v>x<v>",
        "long_high_page": bytes([0]) + small(0) + pad(2, 63) + b"\xb0\xb0\0\xb0\xb0\xb0",
    },
    "replace_text": {
        "placeholder": bytes([3]) + small(1) + pad() + PLACEHOLDER + b'\0"\0<a href=' + PLACEHOLDER + b"x" + PLACEHOLDER + b">",
        "no_overlap": bytes([3]) + small(1) + pad() + b"aa\0b\0aaa",
        "count_one": bytes([1]) + small(1) + small(1) + pad() + b"a\0b\0a.a.a",
        "count_zero": bytes([1]) + small(1) + small(0) + pad() + b"a\0b\0a.a.a",
        "count_negative": bytes([1]) + small(1) + small(-3) + pad() + b"a\0b\0a.a.a",
        "start_three": bytes([3]) + small(3) + pad() + b"-\0+\0a-b-c",
        "start_past": bytes([3]) + small(9) + pad() + b"-\0+\0a-b-c",
        "start_inside_character": bytes([3]) + small(2) + pad() + b"\xa1\xb0\0x\0\xb0\xa1\xb0\xa1",
        "case_insensitive": bytes([2]) + small(1) + pad() + b"ABC\0x\0Abc abc",
        "walk_restarts": bytes([3]) + small(1) + pad() + b"\xb0\0x\0\xb0\xb0\xb0",
        "lead_takes_next": bytes([3]) + small(1) + pad() + b"\xb0\0x\0\xb0\xb1\xb0",
        "removal": bytes([3]) + small(1) + pad() + b"-\0\0a-b-c",
        "empty_needle": bytes([3]) + small(1) + pad() + b"\0x\0abc",
        "chinese": bytes([3]) + small(1) + pad() + gbk("文\0字\0中文中文"),
        "start_min_count_max": bytes([1]) + small(0, 14) + small(0, 15) + pad() + b"a\0bb\0aaaa",
        "long_page": bytes([3]) + small(1) + pad(3, 40) + b"a\0x\0aaa\xb0a",
        "window_parity": bytes([3]) + small(1) + pad(2, 40) + b"<v>\0#\0<v><v>",
    },
    "text_between": {
        "version": bytes([0]) + small(0) + pad() + b"<!--ver-->\0<!--verend-->\0abc<!--ver-->1.2<!--verend-->def",
        "adjacent": bytes([0]) + small(0) + pad() + b"<!--ver-->\0<!--verend-->\0<!--ver--><!--verend-->",
        "start_missing": bytes([0]) + small(0) + pad() + b"<!--ver-->\0<!--verend-->\01.2<!--verend-->",
        "end_before_start": bytes([0]) + small(0) + pad() + b"<!--ver-->\0<!--verend-->\0<!--verend--><!--ver-->1.2",
        "two_fields": bytes([0]) + small(0) + pad() + b"<v>\0</v>\0<v>1</v><v>2</v>",
        "capitals": bytes([0]) + small(0) + pad() + b"<!--ver-->\0<!--verend-->\0<!--VER-->1.2<!--verend-->",
        "capitals_ignored": bytes([1]) + small(0) + pad() + b"<!--ver-->\0<!--verend-->\0<!--VER-->1.2<!--VEREND-->",
        "quote": bytes([0]) + small(0) + pad() + b"href=" + PLACEHOLDER + b"\0" + PLACEHOLDER + b'>\0<a href="x.exe">',
        "quote_literal": bytes([0]) + small(0) + pad() + b"href=" + PLACEHOLDER + b"\0" + PLACEHOLDER + b">\0<a href="
        + PLACEHOLDER + b"x" + PLACEHOLDER + b">",
        "start_position": bytes([0]) + small(2) + pad() + b"<b>\0</b>\0<b>1</b><b>2</b>",
        "start_position_past": bytes([0]) + small(100) + pad() + b"<b>\0</b>\0<b>1</b>",
        "inside_character": bytes([0]) + small(0) + pad() + b"<v>\0</v>\0\x81<v>1</v><v>2</v>",
        "chinese_page": bytes([0]) + small(0) + pad() + gbk("<!--msg-->\0<!--msgend-->\0最新<!--msg-->服务器维护<!--msgend-->"),
        "empty_markers": bytes([0]) + small(0) + pad() + b"\0\0abc",
        "window_parity": bytes([0]) + small(0) + pad(2, 40) + b"<v>\0</v>\0<v>1</v><v>2</v>",
        "long_page": bytes([0]) + small(0) + pad(3, 50) + b"<!--ver-->\0<!--verend-->\0\x81<!--ver-->1.2<!--verend-->",
    },
}


def main():
    for target, seeds in SEEDS.items():
        directory = HERE / "corpus" / target
        directory.mkdir(parents=True, exist_ok=True)
        for old in directory.glob("seed_*"):
            old.unlink()
        for name, data in seeds.items():
            (directory / f"seed_{name}").write_bytes(data)


if __name__ == "__main__":
    main()
