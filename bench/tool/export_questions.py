#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""What an author might write instead of `qvedtool export`: the csv module
reads the Windows-1252 question file, each line's nine fields become one
object, and the list goes out as JSON with the export's keys.

    export_questions.py quiz.qus > quiz.json
"""
import csv
import json
import sys

TEXTS = ["Question", "AnswerA", "AnswerB", "AnswerC", "AnswerD"]


def number(text):
    try:
        return int(text)
    except ValueError:
        return 0


def main(path):
    questions = []
    with open(path, encoding="cp1252", newline="") as file:
        for n, fields in enumerate(csv.reader(file), 1):
            fields += [""] * (9 - len(fields))
            abbreviation, _, reference = fields[3].rpartition(" ")
            question = {
                "number": n,
                "CanonicalNbr": fields[0],
                "Book": number(fields[0][1:3]) - 1,
                "BookAbbreviation": abbreviation,
                "Level": number(fields[1]) - 1,
                "Correct": ord(fields[2][:1].upper() or "@") - ord("A"),
                "Reference": reference,
            }
            question.update(zip(TEXTS, fields[4:9]))
            question["Deleted"] = False
            questions.append(question)
    out = open(sys.stdout.fileno(), "w", encoding="utf-8", closefd=False)
    json.dump(questions, out, ensure_ascii=False)
    out.write("\n")
    out.flush()


if __name__ == "__main__":
    main(sys.argv[1])
