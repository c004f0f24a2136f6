#!/usr/bin/env python3
"""Writes examples/vocabulary.dbf: about 150 everyday English words with their part of speech
and German translations, a dBASE III table in Windows-1252.

Fields, in the order the program requires: WORD, PART, GERMAN and GERMAN2 (translation
fields of equal width; GERMAN2 holds a second common word or stays empty), LASTCHANGE (8
characters, YYYYMMDD, blank: never asked) and COUNT (2 characters, right answers in a row,
blank: none yet)."""
import datetime
import os
import struct

WORDS = [
    # word, part of speech, German, second German word or ""
    ("house", "noun", "das Haus", ""),
    ("home", "noun", "das Zuhause", "das Heim"),
    ("door", "noun", "die Tür", ""),
    ("window", "noun", "das Fenster", ""),
    ("room", "noun", "das Zimmer", "der Raum"),
    ("kitchen", "noun", "die Küche", ""),
    ("table", "noun", "der Tisch", "die Tabelle"),
    ("chair", "noun", "der Stuhl", ""),
    ("bed", "noun", "das Bett", ""),
    ("floor", "noun", "der Boden", "das Stockwerk"),
    ("wall", "noun", "die Wand", "die Mauer"),
    ("street", "noun", "die Straße", ""),
    ("town", "noun", "die Stadt", ""),
    ("village", "noun", "das Dorf", ""),
    ("country", "noun", "das Land", ""),
    ("car", "noun", "das Auto", "der Wagen"),
    ("train", "noun", "der Zug", ""),
    ("bicycle", "noun", "das Fahrrad", "das Rad"),
    ("bus", "noun", "der Bus", ""),
    ("ticket", "noun", "die Fahrkarte", "das Ticket"),
    ("water", "noun", "das Wasser", ""),
    ("bread", "noun", "das Brot", ""),
    ("milk", "noun", "die Milch", ""),
    ("cheese", "noun", "der Käse", ""),
    ("apple", "noun", "der Apfel", ""),
    ("meat", "noun", "das Fleisch", ""),
    ("fish", "noun", "der Fisch", ""),
    ("egg", "noun", "das Ei", ""),
    ("coffee", "noun", "der Kaffee", ""),
    ("tea", "noun", "der Tee", ""),
    ("sugar", "noun", "der Zucker", ""),
    ("salt", "noun", "das Salz", ""),
    ("breakfast", "noun", "das Frühstück", ""),
    ("dinner", "noun", "das Abendessen", ""),
    ("money", "noun", "das Geld", ""),
    ("shop", "noun", "der Laden", "das Geschäft"),
    ("price", "noun", "der Preis", ""),
    ("work", "noun", "die Arbeit", ""),
    ("job", "noun", "die Stelle", "der Job"),
    ("friend", "noun", "der Freund", ""),
    ("family", "noun", "die Familie", ""),
    ("child", "noun", "das Kind", ""),
    ("mother", "noun", "die Mutter", ""),
    ("father", "noun", "der Vater", ""),
    ("brother", "noun", "der Bruder", ""),
    ("sister", "noun", "die Schwester", ""),
    ("man", "noun", "der Mann", ""),
    ("woman", "noun", "die Frau", ""),
    ("day", "noun", "der Tag", ""),
    ("night", "noun", "die Nacht", ""),
    ("morning", "noun", "der Morgen", "der Vormittag"),
    ("evening", "noun", "der Abend", ""),
    ("week", "noun", "die Woche", ""),
    ("year", "noun", "das Jahr", ""),
    ("time", "noun", "die Zeit", "das Mal"),
    ("hour", "noun", "die Stunde", ""),
    ("weather", "noun", "das Wetter", ""),
    ("rain", "noun", "der Regen", ""),
    ("snow", "noun", "der Schnee", ""),
    ("sun", "noun", "die Sonne", ""),
    ("tree", "noun", "der Baum", ""),
    ("flower", "noun", "die Blume", ""),
    ("dog", "noun", "der Hund", ""),
    ("cat", "noun", "die Katze", ""),
    ("bird", "noun", "der Vogel", ""),
    ("book", "noun", "das Buch", ""),
    ("letter", "noun", "der Brief", "der Buchstabe"),
    ("word", "noun", "das Wort", ""),
    ("language", "noun", "die Sprache", ""),
    ("question", "noun", "die Frage", ""),
    ("answer", "noun", "die Antwort", ""),
    ("school", "noun", "die Schule", ""),
    ("teacher", "noun", "der Lehrer", "die Lehrerin"),
    ("doctor", "noun", "der Arzt", "die Ärztin"),
    ("hand", "noun", "die Hand", ""),
    ("head", "noun", "der Kopf", ""),
    ("eye", "noun", "das Auge", ""),
    ("heart", "noun", "das Herz", ""),
    ("name", "noun", "der Name", ""),
    ("key", "noun", "der Schlüssel", "die Taste"),
    ("to be", "verb", "sein", ""),
    ("to have", "verb", "haben", ""),
    ("to go", "verb", "gehen", "fahren"),
    ("to come", "verb", "kommen", ""),
    ("to see", "verb", "sehen", ""),
    ("to look", "verb", "schauen", "aussehen"),
    ("to hear", "verb", "hören", ""),
    ("to say", "verb", "sagen", ""),
    ("to speak", "verb", "sprechen", "reden"),
    ("to tell", "verb", "erzählen", "sagen"),
    ("to ask", "verb", "fragen", "bitten"),
    ("to know", "verb", "wissen", "kennen"),
    ("to think", "verb", "denken", "glauben"),
    ("to make", "verb", "machen", ""),
    ("to do", "verb", "tun", "machen"),
    ("to take", "verb", "nehmen", ""),
    ("to give", "verb", "geben", ""),
    ("to find", "verb", "finden", ""),
    ("to eat", "verb", "essen", ""),
    ("to drink", "verb", "trinken", ""),
    ("to sleep", "verb", "schlafen", ""),
    ("to write", "verb", "schreiben", ""),
    ("to read", "verb", "lesen", ""),
    ("to learn", "verb", "lernen", ""),
    ("to buy", "verb", "kaufen", ""),
    ("to pay", "verb", "bezahlen", "zahlen"),
    ("to open", "verb", "öffnen", "aufmachen"),
    ("to close", "verb", "schließen", "zumachen"),
    ("to begin", "verb", "beginnen", "anfangen"),
    ("to stop", "verb", "aufhören", "anhalten"),
    ("to wait", "verb", "warten", ""),
    ("to help", "verb", "helfen", ""),
    ("to live", "verb", "leben", "wohnen"),
    ("to love", "verb", "lieben", ""),
    ("to play", "verb", "spielen", ""),
    ("to run", "verb", "laufen", "rennen"),
    ("to carry", "verb", "tragen", ""),
    ("to forget", "verb", "vergessen", ""),
    ("big", "adjective", "groß", ""),
    ("small", "adjective", "klein", ""),
    ("good", "adjective", "gut", ""),
    ("bad", "adjective", "schlecht", "schlimm"),
    ("new", "adjective", "neu", ""),
    ("old", "adjective", "alt", ""),
    ("young", "adjective", "jung", ""),
    ("long", "adjective", "lang", ""),
    ("short", "adjective", "kurz", ""),
    ("warm", "adjective", "warm", ""),
    ("cold", "adjective", "kalt", ""),
    ("beautiful", "adjective", "schön", ""),
    ("happy", "adjective", "glücklich", "froh"),
    ("sad", "adjective", "traurig", ""),
    ("easy", "adjective", "einfach", "leicht"),
    ("difficult", "adjective", "schwierig", "schwer"),
    ("cheap", "adjective", "billig", "günstig"),
    ("expensive", "adjective", "teuer", ""),
    ("fast", "adjective", "schnell", ""),
    ("slow", "adjective", "langsam", ""),
    ("tired", "adjective", "müde", ""),
    ("empty", "adjective", "leer", ""),
    ("full", "adjective", "voll", ""),
    ("right", "adjective", "richtig", "rechts"),
    ("wrong", "adjective", "falsch", ""),
    ("always", "adverb", "immer", ""),
    ("never", "adverb", "nie", "niemals"),
    ("often", "adverb", "oft", ""),
    ("today", "adverb", "heute", ""),
    ("tomorrow", "adverb", "morgen", ""),
    ("yesterday", "adverb", "gestern", ""),
    ("here", "adverb", "hier", ""),
    ("there", "adverb", "dort", "da"),
    ("soon", "adverb", "bald", ""),
    ("already", "adverb", "schon", "bereits"),
    ("with", "preposition", "mit", ""),
    ("without", "preposition", "ohne", ""),
    ("between", "preposition", "zwischen", ""),
]

FIELDS = [("WORD", 20), ("PART", 12), ("GERMAN", 24), ("GERMAN2", 24),
          ("LASTCHANGE", 8), ("COUNT", 2)]


def encode(text, width):
    data = text.encode("cp1252")
    if len(data) > width:
        raise ValueError(f"{text!r} is wider than {width}")
    return data.ljust(width, b" ")


def table(rows, today=datetime.date(2024, 1, 1)):
    record_length = 1 + sum(width for _, width in FIELDS)
    header_length = 32 + 32 * len(FIELDS) + 1
    out = struct.pack("<B3BIHH20x", 0x03, today.year - 1900, today.month, today.day,
                      len(rows), header_length, record_length)
    for name, width in FIELDS:
        out += name.encode("ascii").ljust(11, b"\0") + b"C" + b"\0" * 4
        out += struct.pack("<BB", width, 0) + b"\0" * 14
    out += b"\x0d"
    for word, part, german, german2 in rows:
        out += b" " + encode(word, 20) + encode(part, 12) + encode(german, 24)
        out += encode(german2, 24) + b" " * 8 + b" " * 2
    return out + b"\x1a"


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "vocabulary.dbf")
    with open(path, "wb") as f:
        f.write(table(WORDS))
    print(f"{path}: {len(WORDS)} words")


if __name__ == "__main__":
    main()
