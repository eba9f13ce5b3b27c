#!/usr/bin/env python3
"""Random input lines for comparing two builds of zolvan-cli byte for byte.

Usage: scripts/random_lines.py COUNT [SEED] > lines.txt

The lines mix what the engine reads: element symbols in every letter case, numbers with
separators and exponents, operators, the three kinds of brackets, function and value names,
statistics and square equations, "#" command lines that change the settings, blanks, hydrate
dots, subscript and full-width digits, other characters, bytes that are not UTF-8 and, now and
then, a very long line. Lines that could spell the random-number function are left out: its
values depend on the clock.
"""

import random
import re
import sys

ELEMENTS = (
    "H He Li Be B C N O F Ne Na Mg Al Si P S Cl Ar K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As "
    "Se Br Kr Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe Cs Ba La Ce Pr Nd Pm Sm Eu Gd "
    "Tb Dy Ho Er Tm Yb Lu Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn Fr Ra Ac Th Pa U Np Pu Am "
    "Cm Bk Cf Es Fm Md No Lr Rf Db Sg Bh Hs Mt"
).split()
NAMES = (
    "ln pi tg abs aln ans atg dat cos cot ctg exp log int mem ppm sgn sin sqr sum tan acos acot "
    "actg alog asin atan sqrt arccos arccot arcsin arctan"
).split()
MIXED = [
    "H2SO4", "2h2o+nacl", "3*Ca(OH)2", "sin(30)^2", "5%200", "CuSO4+5H2O", "(2+3)*4/7",
    "sqrt(2)*pi", "sum(2+4+6)", "x^2-3x+2", "log1000+ln5", "12.5*8-3", "K4[Fe(CN)6]", "2^10-1",
    "cos(pi/3)", "C6H12O6", "ans*2", "2x^2+3x-5=0", "170!/3", "sum(1.5+2.5-3+4E-2)",
    "CuSO4·5H2O", "2CuSO4·5H2O", "KAl(SO4)2·12H2O", "CaSO4·0.5H2O", "CuSO₄·5H₂O", "co", "hf2",
    "mno4", "Mno4", "ZN", "Cn", "Q", "SIN(30)", "2H2 + O2 → 2H2O", "*2", "-(2)", "5--3",
]
COMMANDS = [
    "#fix 3", "#fix", "#fix 0", "#fix 12", "#fix 20", "#sci", "#auto", "#deg", "#rad", "#grad",
    "#mem", "#mem+", "#mem-", "# fix 2", "#FIX 4", "#sci 5", "#x", "#", "#mem 5", "#fix -1",
]
OPERATORS = ["+", "-", "*", "/", "^", "%", "**", "+-", "--", "!", "=", "×", "÷", "*-", "^-"]
BRACKETS = ["(", ")", "[", "]", "{", "}", "()", "(", ")"]
ODD = [" ", "  ", ".", ",", "·", "•", "∙", "⋅", "₂", "₄", "０", "９", "é", "→", "\t", ":", ";",
       "@", "$", "<", ">", "_", "`", "?", "'", "\"", "&", "|", "~", "\\", "E", "e", "x", "X",
       "\u00a0", "\u2009", "\ufeff", "\x01", "\x7f"]
INVALID = [b"\xff", b"\xc3", b"\xe2\x82", b"\xed\xa0\x80", b"\xc0\xaf"]


def number(rng):
    whole = str(rng.choice([0, 1, 2, 3, 5, 10, 12, 45, 100, 170, 171, 1000, 12345, 99999999]))
    kind = rng.random()
    if kind < 0.5:
        return whole
    if kind < 0.7:
        return whole + rng.choice([".", ","]) + str(rng.randint(0, 99999))
    if kind < 0.8:
        return rng.choice([".", ","]) + str(rng.randint(0, 999))
    if kind < 0.9:
        return whole + rng.choice(["E", "e"]) + rng.choice(["", "-", "+"]) + str(rng.randint(0, 330))
    return str(rng.randint(0, 10**rng.randint(1, 25)))


def symbol(rng):
    s = rng.choice(ELEMENTS)
    case = rng.random()
    if case < 0.6:
        return s
    if case < 0.85:
        return s.lower()
    return s.upper()


def name(rng):
    n = rng.choice(NAMES)
    return n if rng.random() < 0.9 else n.upper()


def token(rng):
    kind = rng.random()
    if kind < 0.28:
        return symbol(rng) + (str(rng.randint(1, 12)) if rng.random() < 0.4 else "")
    if kind < 0.48:
        return number(rng)
    if kind < 0.63:
        return rng.choice(OPERATORS)
    if kind < 0.75:
        return rng.choice(BRACKETS)
    if kind < 0.85:
        return name(rng)
    if kind < 0.88:
        return rng.choice(["x^2", "X^2", "x", "x2", "x^3"])
    if kind < 0.98:
        return rng.choice(ODD)
    return rng.choice(MIXED)


def mutated(rng, line):
    chars = list(line)
    for _ in range(rng.randint(1, 3)):
        at = rng.randint(0, len(chars))
        edit = rng.random()
        if edit < 0.4 and chars:
            del chars[min(at, len(chars) - 1)]
        elif edit < 0.8:
            chars.insert(at, token(rng))
        else:
            chars.insert(at, rng.choice(MIXED))
    return "".join(chars)


def long_line(rng):
    piece = rng.choice(["1+", "1^", "(", "H2O+", "CuSO4·5H2O+", "h", "2*", "sin", "1-", "Na Cl ",
                        "x^2+", "sum(1+", ")*", "1.5E+3/", "·", "ans+"])
    length = rng.choice([200, 1000, 8000, 32765, 32766, 32767, 32768, 40000])
    text = (piece * (length // len(piece) + 1))[:length]
    return text


def line(rng):
    kind = rng.random()
    if kind < 0.15:
        return rng.choice(MIXED)
    if kind < 0.30:
        return mutated(rng, rng.choice(MIXED))
    if kind < 0.85:
        return "".join(token(rng) for _ in range(rng.randint(1, 14)))
    if kind < 0.91:
        return rng.choice(COMMANDS)
    if kind < 0.96:
        return "".join(rng.choice(ODD + OPERATORS + BRACKETS + list("0123456789abcdefghiklmnopstuz"))
                       for _ in range(rng.randint(0, 30)))
    if kind < 0.9997:
        return rng.choice(["", " ", "ans", "mem", "pi", "sum", "=", "sin", "2", "-", "("])
    return long_line(rng)


def spells_random(text):
    letters = re.sub(r"[^a-z]", "", text.lower())
    return "ran" in letters


def main():
    count = int(sys.argv[1])
    rng = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 1)
    out = sys.stdout.buffer
    written = 0
    while written < count:
        text = line(rng)
        if spells_random(text) or "\n" in text or "\r" in text:
            continue
        data = text.encode("utf-8")
        if rng.random() < 0.01:
            at = rng.randint(0, len(data))
            data = data[:at] + rng.choice(INVALID) + data[at:]
        out.write(data + b"\n")
        written += 1


if __name__ == "__main__":
    main()
