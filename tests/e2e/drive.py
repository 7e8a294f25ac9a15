# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
"""The end-to-end cases: the real program driven from outside on a private display,
accessibility bus and print spooler (set up by run-e2e.sh).

    drive.py CASE
"""

import datetime
import glob
import math
import os
import re
import sqlite3
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from orca_speech import QUEUED, Speech  # noqa: E402
from vovo_atspi import (  # noqa: E402
    Failure,
    Program,
    activate,
    alert_texts,
    answer_alert,
    check,
    click,
    extents,
    find,
    find_all,
    focused,
    fresh,
    keys,
    name,
    press,
    text_of,
    type_text,
    wait_until,
)

START_TITLE = "VOVORUDOROZ.1"
EXERCISE_TITLE = "ESERCIZI SULLE VOVORUDOROZ.1"
REPORT_TITLE = "STAMPA DELLE OPERAZIONI"
REVIEW_TITLE = "RIPASSO"
MODES = [
    "Calcolo del resto/differenza",
    "Calcolo del minuendo o sottraendo",
    "Calcolo del minuendo, sottraendo, resto/differ. secondo causalità",
]
MODE_CAPTIONS = [
    " Calcola il resto / differenza",
    " Calcola il minuendo o sottraendo",
    " Calcola il minuen., sottr., resto/differ. secondo richiesta",
]
VERIFY = "Verifica"
NEXT_OPERATION = "Nuova sottrazione"
NEXT_EXERCISE = "Nuovo esercizio"
SHOW_EXERCISE = "Visualizza  esercizio"
RIGHT = "Esatto"
WRONG = "Errato"
# A verdict as a screen reader is given it: "Esatto. 3 secondi." and what follows.
VERDICT = re.compile(r"(Esatto|Errato)\. (\d+) second[io]\.(?: (.*))?")


def log(message):
    print(f"[{time.strftime('%H:%M:%S')}] {message}", flush=True)


def squeeze(text):
    return re.sub(r"\s+", "", text)


def button(window, caption, timeout=10.0):
    return wait_until(
        f"the button {caption!r} on show",
        lambda: find(window, "push button", caption),
        timeout,
    )


def label_shown(window, text, timeout=10.0):
    return wait_until(f"the text {text!r} on show", lambda: find(window, "label", text), timeout)


def shown_texts(window):
    return [name(node) for node in find_all(window, "label")]


def expect_message(program, text_part, title=None, reply="OK"):
    """Waits for a message box, checks its text and title, answers it, waits for it to go."""
    alert = program.alert()
    texts = alert_texts(alert)
    log(f"message box {name(alert)!r}: {texts}")
    check(
        any(text_part in text for text in texts),
        f"message box without {text_part!r}: {texts}",
    )
    if title is not None:
        check(name(alert) == title, f"message box titled {name(alert)!r}, not {title!r}")
    answer_alert(alert, reply)
    wait_until("the message box to close", program.no_alert, 10)
    return texts


def choose_menu(program, window, *path):
    """Clicks through the menu bar: the first caption on the bar, the others in the menus
    that open."""
    bar = wait_until("the menu bar", lambda: find(window, "menu bar"))
    scope = bar
    for caption in path:
        item = wait_until(
            f"the menu entry {caption!r}",
            lambda: next(
                (
                    node
                    for node in find_all(scope, "menu item")
                    if name(node).replace("&", "") == caption
                ),
                None,
            ),
            5,
        )
        click(item)
        scope = program.app


# ---- start screen ---------------------------------------------------------------------


def enter_name(program, typed, expected):
    start = program.window(START_TITLE, 30)
    label_shown(start, "   IMMETTI   IL  TUO  NOME")
    label_shown(start, "Buon lavoro")
    button(start, "Esci")

    # An empty name is refused with a message, and the name panel stays.
    press(button(start, "AVANTI"))
    expect_message(program, "Introduci il nome", "distrazione")
    check(find(start, "push button", "AVANTI") is not None, "the name panel went away")

    field = wait_until("the name field", lambda: find(start, "text", "Nome"))
    activate(start)
    field.queryComponent().grabFocus()
    wait_until("the focus in the name field", lambda: focused(field), 5)
    type_text(typed)
    wait_until(
        f"the name field to read {expected!r}",
        lambda: text_of(field) == expected,
        5,
    )
    keys("Return")
    wait_until("the name panel to go", lambda: find(start, "push button", "AVANTI") is None)
    button(start, "NUMERO MAX DA 1 A 10")
    return start


def choose_mode(program, start, index):
    combo = wait_until("the mode list", lambda: find(start, "combo box"))
    wanted = MODES[index]

    def current():
        if name(combo) in MODES:
            return name(combo)
        selected = [
            item
            for item in find_all(combo, "list item", only_showing=False)
            if item.getState().contains(pyatspi.STATE_SELECTED)
        ]
        return name(selected[0]) if selected else None

    if current() != wanted:
        # Pick it as a pupil does: open the list with the mouse and click the entry.
        click(combo)
        entry = wait_until(
            f"the list entry {wanted!r}",
            lambda: next(
                (item for item in find_all(program.app, "list item") if name(item) == wanted),
                None,
            ),
            5,
        )
        click(entry)
    wait_until(f"the mode {wanted!r} chosen", lambda: current() == wanted, 5)


def choose_range(program, start, caption, announced):
    press(button(start, caption))
    exercise = program.window(EXERCISE_TITLE)
    label_shown(exercise, announced)
    return exercise


# ---- exercise screen ------------------------------------------------------------------


def record_pattern(question, answer, wrong):
    """The record line of a judged operation, with its time left open."""
    pad = " " * (4 - len(answer))
    mark = "*" if wrong else " "
    return re.escape(f"{question}{pad}({answer}){mark}") + r"(?:  \d| \d{2,}) Tp"


class ExerciseScreen:
    def __init__(self, program, window):
        self.program = program
        self.window = window
        self.box = wait_until("the answer box", lambda: find(window, "text", "Risultato"))
        self.keypad = {}

    def operation(self):
        """(shown numbers and slot of the box) read from the screen, left to right."""
        panel = self.box.parent
        places = []
        for node in find_all(panel, "label"):
            if re.fullmatch(r"\d+", name(node)):
                places.append((extents(node)[0], int(name(node))))
        places.append((extents(self.box)[0], None))
        places.sort()
        check(len(places) == 3, f"the operation shows {places}")
        return [value for _, value in places]

    def expected_answer(self):
        """(expected digits, question part of the record) of the operation on show."""
        minuend, subtrahend, difference = self.operation()

        def part(value):
            return "%2s" % ("?" if value is None else value)

        question = f"{part(minuend)} - {part(subtrahend)} = {part(difference)}"
        if difference is None:
            return str(minuend - subtrahend), question
        if minuend is None:
            return str(subtrahend + difference), question
        return str(minuend - difference), question

    def wait_for_new_operation(self):
        wait_until(
            "a new operation with an empty answer box",
            lambda: text_of(self.box) == "" and find(self.window, "label", " Digita il risultato"),
        )

    def keypad_button(self, caption):
        if caption not in self.keypad:
            panel = find(self.window, "panel", "TASTIERINO") or self.window
            self.keypad[caption] = wait_until(
                f"the keypad key {caption!r}", lambda: find(panel, "push button", caption)
            )
        return self.keypad[caption]

    def answer_by_keyboard(self, answer):
        self.box.queryComponent().grabFocus()
        wait_until("the focus in the answer box", lambda: focused(self.box), 5)
        type_text(answer)
        wait_until(f"the answer box to read {answer!r}", lambda: text_of(self.box) == answer, 5)
        button(self.window, VERIFY)
        check(find(self.window, "push button", "Esci") is None, "'Esci' on show while answering")
        check(
            find(self.window, "label", "Clicca sul pulsante Verifica") is not None,
            "no instruction to press Verifica",
        )
        keys("Return")

    def answer_by_keypad(self, answer):
        # A key pressed over the accessibility bus is animated for a moment, during which a
        # second press of the same key would be lost: wait for each digit to arrive.
        for count, digit in enumerate(answer, 1):
            press(self.keypad_button(digit))
            wait_until(
                f"the answer box to read {answer[:count]!r}",
                lambda: text_of(self.box) == answer[:count],
                5,
            )
        wait_until(f"the answer box to read {answer!r}", lambda: text_of(self.box) == answer, 5)
        press(button(self.window, VERIFY))

    def play(
        self,
        exercise_no,
        answers_wrong,
        by_keypad,
        time_check=None,
        distinct=False,
        size=10,
        before=None,
        after=None,
    ):
        """Plays the size operations of one exercise; returns the record lines expected,
        as patterns with the time left open. With distinct, a miss due on an operation already
        missed moves to the next operation that differs, so that each miss is its own. before(op)
        runs once each operation is on show, after(op, wrong) once it is judged."""
        records = []
        due = sorted(answers_wrong)
        missed = set()
        if not by_keypad:
            activate(self.window)
        for op in range(1, size + 1):
            self.wait_for_new_operation()
            if before:
                before(op)
            expected, question = self.expected_answer()
            if distinct:
                wrong = bool(due) and op >= due[0] and question not in missed
                if wrong:
                    due.pop(0)
                    missed.add(question)
            else:
                wrong = op in answers_wrong
            answer = str(int(expected) + 1) if wrong else expected
            if time_check and op == 1:
                time_check()
            if by_keypad:
                self.answer_by_keypad(answer)
            else:
                self.answer_by_keyboard(answer)
            label_shown(self.window, WRONG if wrong else RIGHT)
            records.append(record_pattern(question, answer, wrong))
            if after:
                after(op, wrong)
            if op < size:
                press(button(self.window, NEXT_OPERATION))
            else:
                button(self.window, NEXT_EXERCISE)
                button(self.window, SHOW_EXERCISE)
                button(self.window, "Esci")
                label_shown(self.window, "Clicca sul pulsante Nuovo esercizio")
        check(not distinct or not due, f"no operation left to miss for {due}")
        log(f"exercise {exercise_no} played ({'keypad' if by_keypad else 'keyboard'})")
        return records


# ---- report and certificate -----------------------------------------------------------


def report_lines(report):
    return [text for text in shown_texts(report) if text.endswith(" Tp")]


def check_report(report, patterns):
    lines = report_lines(report)
    check(len(lines) == len(patterns), f"the report shows {len(lines)} records, not {len(patterns)}")
    # The cells are read in screen order: column by column (one per exercise), top to bottom.
    cells = sorted(
        (node for node in find_all(report, "label") if name(node).endswith(" Tp")),
        key=lambda node: (extents(node)[0], extents(node)[1]),
    )
    for index, (node, pattern) in enumerate(zip(cells, patterns), 1):
        check(
            re.fullmatch(pattern, name(node)),
            f"record {index} reads {name(node)!r}, expected /{pattern}/",
        )
    return [name(node) for node in cells]


def printed_files(count, timeout=30.0):
    def ready():
        files = sorted(glob.glob(os.path.join(os.environ["E2E_PRINTED"], "job-*.pdf")))
        return files if len(files) >= count else None

    return wait_until(f"{count} printed job(s)", ready, timeout)


def pdf_text(path):
    return subprocess.run(
        ["pdftotext", "-layout", path, "-"], capture_output=True, text=True, check=True
    ).stdout


def pdf_images(path):
    listing = subprocess.run(
        ["pdfimages", "-list", path], capture_output=True, text=True, check=True
    ).stdout.splitlines()
    return [line.split() for line in listing[2:] if line.strip()]


def certificate_window(program):
    return program.window("ATTESTATO")


def check_certificate(certificate, pupil, grade_word, right, total, range_line):
    for text in [
        "ATTESTATO",
        "rilasciato a",
        pupil,
        "per aver  conseguito l'obiettivo",
        range_line,
        "con la valutazione",
        grade_word,
        f"Per aver dato {right} risposte esatte su {total}",
    ]:
        label_shown(certificate, text)
    dates = [t for t in shown_texts(certificate) if t.startswith("Data        ")]
    check(len(dates) == 1, f"no date line on the certificate: {shown_texts(certificate)}")
    log(f"certificate: {pupil}, {grade_word}, {dates[0]!r}")


# ---- the cases ------------------------------------------------------------------------


def start_exercise(program, mode, range_caption, announced, typed="mario7", kept="mario"):
    start = enter_name(program, typed, kept)
    choose_mode(program, start, mode)
    window = choose_range(program, start, range_caption, announced)
    label_shown(window, MODE_CAPTIONS[mode])
    return start, ExerciseScreen(program, window)


def case_session():
    """A whole session, keyboard and keypad, report and certificate printed."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start = enter_name(program, "mario7", "mario")
        check_information_program(program, start)
        choose_mode(program, start, 2)
        window = choose_range(
            program, start, "NUMERO MAX DA 1 A  20", " Operazione con numero massimo da 1 a 20"
        )
        label_shown(window, MODE_CAPTIONS[2])
        exercise = ExerciseScreen(program, window)
        wrong = {1: {3}, 2: {5, 10}, 3: set(), 4: {1, 7}}
        patterns = []
        for number in range(1, 5):
            patterns += exercise.play(number, wrong[number], by_keypad=number % 2 == 0)
            if number == 2:
                # Mid-session, the certificate from the menu shows the results so far.
                right_so_far = 20 - len(wrong[1]) - len(wrong[2])
                choose_menu(program, window, "File", "Visualizza attestato")
                certificate = certificate_window(program)
                label_shown(certificate, f"Per aver dato {right_so_far} risposte esatte su 20")
                log(f"certificate from the menu: {right_so_far} right out of 20")
                press(button(certificate, "ESCI"))
                wait_until("the certificate to close", lambda: not find_window(program, "ATTESTATO"))
            if number < 4:
                press(button(window, NEXT_EXERCISE))
        right = 40 - sum(len(w) for w in wrong.values())

        texts = expect_message(program, "Hai eseguito 4 esercizi.", "FINE ESERCITAZIONE", "Sì")
        check(
            any("Vuoi visualizzare le operazioni eseguite?" in t for t in texts),
            f"end-of-session question reads {texts}",
        )
        report = program.window(REPORT_TITLE)
        label_shown(report, "Esercizi eseguiti")
        records = check_report(report, patterns)
        totals = [t for t in shown_texts(report) if t.startswith("Tempo totale:    ")]
        check(len(totals) == 4, f"time totals on the report: {totals}")
        check(
            all(re.fullmatch(r"Tempo totale:     \d+ sec\.", t) for t in totals),
            f"time totals read {totals}",
        )

        press(button(report, "STAMPA LE OPERAZIONI"))
        [report_pdf] = printed_files(1)
        printed = squeeze(pdf_text(report_pdf))
        for text in ["SCUOLA ELEMENTARE DI_____________________"] + records + [
            f"Eser. n.{k}: Tempo tot." for k in range(1, 5)
        ]:
            check(squeeze(text) in printed, f"the printed report lacks {text!r}")
        check(len(pdf_images(report_pdf)) == 0, "the printed report holds images")
        log(f"report printed: {os.path.basename(report_pdf)}")

        press(button(report, "Visualizza attestato"))
        certificate = certificate_window(program)
        grade = {10: "OTTIMO", 9: "OTTIMO", 8: "DISTINTO", 7: "BUONO", 6: "SUFFICIENTE"}[
            right * 10 // 40
        ]
        check_certificate(certificate, "Mario", grade, right, 40, " Numeri da  1 a 20")
        press(button(certificate, "STAMPA  L'ATTESTATO "))
        files = printed_files(2)
        certificate_pdf = files[-1]
        images = pdf_images(certificate_pdf)
        check(len(images) == 1, f"the certificate page holds {len(images)} images")
        width, height = int(images[0][3]), int(images[0][4])
        check(
            abs(width / height - 12000 / 9000) < 0.02 and width >= 2000,
            f"the certificate image is {width} x {height}",
        )
        check(squeeze(pdf_text(certificate_pdf)) == "", "the certificate page holds text")
        log(f"certificate printed: one image of {width} x {height}")
        for caption in ["STAMPA  L'ATTESTATO ", "FINE SESSIONE", "ESCI"]:
            button(certificate, caption)

        press(button(certificate, "FINE SESSIONE"))
        status = program.wait_exit(15)
        check(status == 0, f"the program ended with status {status}")
        log("FINE SESSIONE ended the program")
    finally:
        program.stop()


def case_analysis():
    """A pupil who takes the smaller units digit from the larger whenever a borrow is needed:
    the analysis from the report's menu names the error and prints it on one page."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start, exercise = start_exercise(
            program, 0, "NUMERO MAX DA 10 A 99", " Operazione con numero massimo da 10 a 98"
        )
        activate(exercise.window)
        borrows = []  # (minuend, subtrahend, answer, the error planted)
        for number in range(1, 5):
            for op in range(1, 11):
                exercise.wait_for_new_operation()
                minuend, subtrahend, _ = exercise.operation()
                answer = str(minuend - subtrahend)
                if minuend % 10 < subtrahend % 10:
                    smaller = 10 * (minuend // 10 - subtrahend // 10) + (
                        subtrahend % 10 - minuend % 10
                    )
                    # Where the units differ by 5 the answer is also "borrow not taken".
                    planted = subtrahend % 10 - minuend % 10 != 5
                    borrows.append((minuend, subtrahend, str(smaller), planted))
                    answer = str(smaller)
                exercise.answer_by_keyboard(answer)
                label_shown(exercise.window, WRONG if answer != str(minuend - subtrahend) else RIGHT)
                if op < 10:
                    press(button(exercise.window, NEXT_OPERATION))
            planted = [b for b in borrows if b[3]]
            if len(planted) >= 3 and 2 * len(planted) >= len(borrows):
                break
            check(number < 4, f"too few borrows drawn in four exercises: {borrows}")
            press(button(exercise.window, NEXT_EXERCISE))
        log(f"{number} exercise(s), {len(planted)} planted borrow errors of {len(borrows)}")

        press(button(exercise.window, SHOW_EXERCISE))
        report = program.window(REPORT_TITLE)
        choose_menu(program, report, "File", "Analisi degli errori")
        analysis = program.window("ANALISI DEGLI ERRORI")
        minuend, subtrahend, answer, _ = planted[0]
        sentence = (
            f"Toglie la cifra più piccola dalla più grande: {len(planted)} volte su "
            f"{len(borrows)} sottrazioni con il prestito ({minuend} \u2212 {subtrahend}: "
            f"ha scritto {answer})"
        )
        # Recurring today for the first time, as the register knows it.
        label_shown(analysis, sentence + " \u2014 probabile")
        label_shown(analysis, "Con prestito")
        log(f"analysis on screen: {sentence!r}")

        press(button(analysis, "Stampa l'analisi"))
        [page] = printed_files(1)
        printed = pdf_text(page)
        check(printed.count("\f") == 1, f"the analysis printed on {printed.count(chr(12))} pages")
        for text in ["ANALISI DEGLI ERRORI", "Mario", "Con prestito", sentence]:
            check(squeeze(text) in squeeze(printed), f"the printed analysis lacks {text!r}")
        log(f"analysis printed: {os.path.basename(page)}")

        press(button(analysis, "Esci"))
        wait_until("the analysis to close", lambda: not find_window(program, "ANALISI DEGLI ERRORI"))
        end_from_exercise(program, start, exercise, report)
    finally:
        program.stop()


def check_information_program(program, start):
    """The "?" menu starts the information program from the program's folder."""
    folder = os.path.dirname(os.environ["E2E_PROGRAM"])
    if not os.path.exists(os.path.join(folder, "www")):
        log("no information program in the program folder: '?' not tried")
        return
    choose_menu(program, start, "?")
    import pyatspi

    def information_app():
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.get_process_id() != program.pid:
                for w in range(app.childCount):
                    window = app.getChildAtIndex(w)
                    if window is not None and name(window).startswith("VOVORUDOROZ.1 - "):
                        return app
        return None

    app = wait_until("the information program's window", information_app, 20)
    pid = app.get_process_id()
    log(f"information program started (pid {pid})")
    check(program.no_alert(), "a message box came with the information program")
    os.kill(pid, 15)
    wait_until("the information program to end", lambda: not os.path.exists(f"/proc/{pid}/exe"), 10)


def play_first_exercise(program, by_keypad=True, time_check=None):
    start, exercise = start_exercise(
        program, 0, "NUMERO MAX DA 1 A 10", " Operazione con numero massimo da 1 a 10"
    )
    patterns = exercise.play(1, set(), by_keypad, time_check)
    return start, exercise, patterns


SAVE_DIALOG = "Salva come PDF"
NO_PRINTER = "Non c'è una stampante. Vuoi salvare il foglio come PDF?"


def ready_name(kind, pupil):
    return f"{kind} - {pupil} - {datetime.date.today().strftime('%d-%m-%Y')}.pdf"


def save_through_dialog(program, proposed, path=None, title=SAVE_DIALOG):
    """Answers the file dialog: checks the ready name it proposes, types another full path
    when one is given, and presses Enter."""
    dialog = program.window(title, 15)
    field = wait_until(
        f"the file name field proposing {proposed!r}",
        lambda: next((n for n in find_all(dialog, "text") if text_of(n) == proposed), None),
        10,
    )
    activate(dialog)
    if path is not None:
        field.queryEditableText().setTextContents(path)
        wait_until(f"the file name field to read {path!r}", lambda: text_of(field) == path, 5)
    field.queryComponent().grabFocus()
    wait_until("the focus in the file name field", lambda: focused(field), 5)
    keys("Return")
    wait_until("the file dialog to close", lambda: not find_window(program, title), 10)


def saved_file(path, timeout=10.0):
    return wait_until(
        f"the file {path}", lambda: os.path.exists(path) and os.path.getsize(path) > 0, timeout
    )


def case_no_printer():
    """No print server at all: both print buttons offer a PDF instead; the report is saved
    under its ready name in the documents folder, the certificate (Ctrl+S) where chosen."""
    documents = os.path.join(os.environ["HOME"], "Documents")
    chosen = os.path.join(os.environ["E2E_WORK"], "chiavetta")
    os.makedirs(documents, exist_ok=True)
    os.makedirs(chosen, exist_ok=True)
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start, exercise, patterns = play_first_exercise(program)
        press(button(exercise.window, SHOW_EXERCISE))
        report = program.window(REPORT_TITLE)
        records = check_report(report, patterns)
        began = time.monotonic()
        press(button(report, "STAMPA LE OPERAZIONI"))
        expect_message(program, NO_PRINTER, START_TITLE, "Sì")
        log(f"report: offer made within {time.monotonic() - began:.1f} s")
        name = ready_name("Operazioni", "Mario")
        save_through_dialog(program, name)
        report_pdf = os.path.join(documents, name)
        saved_file(report_pdf)
        printed = squeeze(pdf_text(report_pdf))
        for text in ["SCUOLA ELEMENTARE DI_____________________"] + records:
            check(squeeze(text) in printed, f"the saved report lacks {text!r}")
        check(len(pdf_images(report_pdf)) == 0, "the saved report holds images")
        log(f"report saved: {report_pdf}")
        button(report, "STAMPA LE OPERAZIONI")

        press(button(report, "Visualizza attestato"))
        certificate = certificate_window(program)
        check_certificate(certificate, "Mario", "OTTIMO", 10, 10, " Numeri da  1 a 10")
        press(button(certificate, "STAMPA  L'ATTESTATO "))
        expect_message(program, NO_PRINTER, START_TITLE, "No")
        check(program.no_alert() and not find_window(program, SAVE_DIALOG), "No went on")
        for caption in ["STAMPA  L'ATTESTATO ", "FINE SESSIONE", "ESCI"]:
            button(certificate, caption)
        activate(certificate)
        keys("ctrl+s")
        certificate_pdf = os.path.join(chosen, "attestato di mario.pdf")
        save_through_dialog(program, ready_name("Attestato", "Mario"), certificate_pdf)
        saved_file(certificate_pdf)
        images = pdf_images(certificate_pdf)
        check(len(images) == 1, f"the saved certificate holds {len(images)} images")
        log(f"certificate saved where chosen: one image of {images[0][3]} x {images[0][4]}")
        check(sorted(os.listdir(documents)) == [name], f"documents: {os.listdir(documents)}")
        check(not glob.glob(os.path.join(os.environ["E2E_PRINTED"], "*")), "something printed")
        press(button(certificate, "FINE SESSIONE"))
        check(program.wait_exit(15) == 0, "the program did not end cleanly")
    finally:
        program.stop()


JOB_ABORTED = "Stampa non riuscita: la stampante vovo ha interrotto il lavoro."


def told_within(program, text_part, seconds, began):
    """Waits for the message that tells of a failed job, and answers it."""
    program.alert(seconds)
    texts = expect_message(program, text_part)
    took = time.monotonic() - began
    check(took <= seconds, f"told after {took:.1f} s")
    log(f"pupil told after {took:.1f} s: {texts}")


def case_failing_queue():
    """The default queue's printer fails every job: the spooler aborts it, and the pupil is
    told within 30 seconds, without the screens waiting for it."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start, exercise, patterns = play_first_exercise(program, by_keypad=False)
        press(button(exercise.window, SHOW_EXERCISE))
        report = program.window(REPORT_TITLE)
        began = time.monotonic()
        press(button(report, "STAMPA LE OPERAZIONI"))
        # The screen answers while the job is being watched.
        press(button(report, "Visualizza attestato"))
        certificate = certificate_window(program)
        told_within(program, JOB_ABORTED, 30, began)
        began = time.monotonic()
        press(button(certificate, "STAMPA  L'ATTESTATO "))
        told_within(program, JOB_ABORTED, 30, began)
        for caption in ["STAMPA  L'ATTESTATO ", "FINE SESSIONE", "ESCI"]:
            button(certificate, caption)
        check(jobs_done(2), "the spooler did not finish both jobs")
        check(not glob.glob(os.path.join(os.environ["E2E_PRINTED"], "*.pdf")), "a page came out")
        check(backend_failures() == 2, f"{backend_failures()} failed jobs in the spooler's log")
        press(button(certificate, "ESCI"))
        wait_until("the certificate to close", lambda: not find_window(program, "ATTESTATO"))
        end_from_exercise(program, start, exercise, report)
    finally:
        program.stop()


def queue_told_at_once(command, told):
    """The queue is switched by the spooler's own command before the button is pressed: the
    pupil is told at once, with the offer of a PDF, and nothing reaches the queue."""
    subprocess.run([command, "vovo"], check=True)
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start, exercise, patterns = play_first_exercise(program)
        press(button(exercise.window, SHOW_EXERCISE))
        report = program.window(REPORT_TITLE)
        began = time.monotonic()
        press(button(report, "STAMPA LE OPERAZIONI"))
        texts = expect_message(program, told, START_TITLE, "No")
        took = time.monotonic() - began
        check(took < 5, f"told after {took:.1f} s")
        check(any("Vuoi salvare il foglio come PDF?" in t for t in texts), f"no offer: {texts}")
        log(f"report: told after {took:.1f} s: {texts}")
        press(button(report, "Visualizza attestato"))
        certificate = certificate_window(program)
        press(button(certificate, "STAMPA  L'ATTESTATO "))
        expect_message(program, told, START_TITLE, "No")
        for caption in ["STAMPA  L'ATTESTATO ", "FINE SESSIONE", "ESCI"]:
            button(certificate, caption)
        check(spooler_jobs() == [], f"jobs reached the queue: {spooler_jobs()}")
        press(button(certificate, "ESCI"))
        wait_until("the certificate to close", lambda: not find_window(program, "ATTESTATO"))
        end_from_exercise(program, start, exercise, report)
    finally:
        program.stop()


def case_stopped_queue():
    """cupsdisable: "La stampante vovo è ferma" at once."""
    queue_told_at_once("cupsdisable", "La stampante vovo è ferma.")


def case_rejecting_queue():
    """cupsreject: "La stampante vovo non accetta lavori" at once."""
    queue_told_at_once("cupsreject", "La stampante vovo non accetta lavori.")


def spooler_jobs():
    listing = subprocess.run(
        ["lpstat", "-W", "all", "-o", "vovo"], capture_output=True, text=True
    ).stdout.splitlines()
    return [line for line in listing if line.strip()]


def case_normal_queue():
    """A working queue: each press of the print button is one job and no message. Measures
    the time from the mouse click to the job in the spooler's list (lpstat, itself a few
    milliseconds a look), eleven times."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start, exercise, patterns = play_first_exercise(program)
        press(button(exercise.window, SHOW_EXERCISE))
        report = program.window(REPORT_TITLE)
        activate(report)
        # The pointer rests on the button; only the click itself is timed.
        x, y, width, height = extents(button(report, "STAMPA LE OPERAZIONI"))
        subprocess.run(
            ["xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2)],
            check=True,
        )
        times = []
        for count in range(1, 12):
            # Not waited for: xdotool lingers about 100 ms after sending the click.
            began = time.monotonic()
            clicking = subprocess.Popen(["xdotool", "click", "1"])
            while len(spooler_jobs()) < count:
                check(time.monotonic() - began < 10, "no job within 10 s")
            times.append((time.monotonic() - began) * 1000)
            check(clicking.wait(10) == 0, "xdotool failed")
            printed_files(count)
            check(program.no_alert(), "a message came with a printed page")
        times.sort()
        log(
            "click to the job in the spooler's list, 11 times (ms): "
            + ", ".join(f"{t:.0f}" for t in times)
            + f"; median {times[5]:.0f} ms"
        )
        check(len(spooler_jobs()) == 11, f"the spooler lists {spooler_jobs()}")
        time.sleep(1)
        check(program.no_alert(), "a message came after the pages were printed")
        end_from_exercise(program, start, exercise, report)
    finally:
        program.stop()


def find_window(program, title):
    return next((w for w in program.windows() if name(w) == title), None)


def jobs_done(count):
    """The spooler's finished jobs, once there are `count` of them and none succeeded."""
    listing = subprocess.run(
        ["lpstat", "-W", "completed", "-o", "vovo"], capture_output=True, text=True
    ).stdout.splitlines()
    return listing if len(listing) >= count else None


def backend_failures():
    error_log = os.path.join(os.environ["E2E_WORK"], "cups", "log", "error_log")
    with open(error_log, errors="replace") as lines:
        return sum("Backend returned status 1 (failed)" in line for line in lines)


def case_midnight():
    """The clock passes midnight while an operation waits: its time stays right."""
    today = datetime.date.today()
    real_start = time.monotonic()
    fake_start = datetime.datetime.combine(today, datetime.time(23, 59, 50))
    program = Program(
        os.environ["E2E_PROGRAM"],
        {
            "LD_PRELOAD": os.environ["E2E_FAKETIME_LIB"],
            "FAKETIME": "@" + fake_start.strftime("%Y-%m-%d %H:%M:%S"),
        },
    )
    shown = {}

    def across_midnight():
        # The first operation is on show: wait until the program's clock has passed
        # midnight by three seconds, then answer.
        shown["at"] = time.monotonic()
        midnight = real_start + 10
        wait = max(0.0, midnight + 3 - time.monotonic())
        log(f"first operation on show; waiting {wait:.1f} s for midnight to pass")
        time.sleep(wait)
        shown["waited"] = time.monotonic() - shown["at"]

    try:
        start, exercise, patterns = play_first_exercise(program, False, across_midnight)
        press(button(exercise.window, SHOW_EXERCISE))
        report = program.window(REPORT_TITLE)
        records = check_report(report, patterns)
        seconds = int(re.search(r"(\d+) Tp$", records[0]).group(1))
        waited = shown["waited"]
        log(f"record 1: {records[0]!r}; waited {waited:.1f} s before answering")
        # The answer was typed after the wait and judged within about two seconds.
        check(
            math.floor(waited) - 1 <= seconds <= math.floor(waited) + 3,
            f"answer time {seconds} s across midnight, waited {waited:.1f} s",
        )
        total = [t for t in shown_texts(report) if t.startswith("Tempo totale:    ")]
        first = sorted(
            (node for node in find_all(report, "label") if name(node) in total),
            key=lambda node: extents(node)[0],
        )[0]
        total_seconds = int(re.search(r"(\d+) sec\.", name(first)).group(1))
        check(total_seconds >= seconds, f"exercise time {total_seconds} below {seconds}")
        # The program's calendar has moved on too: the certificate bears tomorrow's date.
        press(button(report, "Visualizza attestato"))
        certificate = certificate_window(program)
        tomorrow = (today + datetime.timedelta(days=1)).strftime("%d/%m/%Y")
        label_shown(certificate, "Data        " + tomorrow)
        press(button(certificate, "ESCI"))
        wait_until("the certificate to close", lambda: not find_window(program, "ATTESTATO"))
        end_from_exercise(program, start, exercise, report)
    finally:
        program.stop()


def end_from_exercise(program, start, exercise, report=None):
    if report is not None:
        press(button(report, "ESCI"))
        wait_until("the report to close", lambda: not find_window(program, REPORT_TITLE))
    press(button(exercise.window, "Esci"))
    wait_until("the exercise screen to close", lambda: not find_window(program, EXERCISE_TITLE))
    press(button(start, "Esci"))
    check(program.wait_exit(15) == 0, "the program did not end cleanly")


def case_missing_sound():
    """No "positivo.wav" in the program's folder: right answers go on as before."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start, exercise, patterns = play_first_exercise(program)
        check(program.no_alert(), "a message about the sound")
        check(program.alive(), "the program ended")
        end_from_exercise(program, start, exercise)
    finally:
        program.stop()


def case_missing_www():
    """No information program: "?" tells the pupil "File mancante"."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start = enter_name(program, "anna", "anna")
        choose_menu(program, start, "?")
        expect_message(program, "File mancante", START_TITLE)
        press(button(start, "Esci"))
        check(program.wait_exit(15) == 0, "the program did not end cleanly")
    finally:
        program.stop()


def case_end_question():
    """The end-of-session question has no third answer: Esc and a close request from the
    window manager leave it open, and Sì then shows all forty records. A screen reader reads
    the fortieth verdict and the fourth exercise's score before the question's text."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start, exercise = start_exercise(
            program, 0, "NUMERO MAX DA 1 A 10", " Operazione con numero massimo da 1 a 10"
        )
        patterns = []
        for number in range(1, 5):
            patterns += exercise.play(number, {number}, by_keypad=number % 2 == 0)
            if number < 4:
                press(button(exercise.window, NEXT_EXERCISE))
        alert = program.alert()
        check(name(alert) == "FINE ESERCITAZIONE", f"the question is titled {name(alert)!r}")
        read = alert_texts(alert)[0]
        heard = VERDICT.match(read)
        check(
            heard is not None
            and heard.group(3).startswith(
                "Esercizio 4 finito: 9 risposte esatte su 10. Hai eseguito 4 esercizi."
            ),
            f"the question reads {read!r}",
        )
        log(f"the question reads {read!r}")
        activate(alert)
        for way_out in ["Escape", "alt+F4"]:
            keys(way_out)
            time.sleep(1.0)
            check(not program.no_alert(), f"{way_out} closed the end-of-session question")
            log(f"{way_out}: the question stays")
        answer_alert(alert, "Sì")
        wait_until("the message box to close", program.no_alert, 10)
        report = program.window(REPORT_TITLE)
        check_report(report, patterns)
        log("Sì: the report shows all 40 records")
        end_from_exercise(program, start, exercise, report)
    finally:
        program.stop()


def case_enter_only():
    """A whole session with digits and Enter alone: Enter accepts the name, presses the
    focused range button, judges each answer, presses the button the check focused and
    answers the end-of-session question with its focused Sì."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start = program.window(START_TITLE, 30)
        field = wait_until("the name field", lambda: find(start, "text", "Nome"))
        activate(start)
        wait_until("the focus in the name field", lambda: focused(field), 5)
        type_text("lucia")
        keys("Return")
        first_range = button(start, "NUMERO MAX DA 1 A 10")
        wait_until("the focus on the first range", lambda: focused(first_range), 5)
        keys("Return")
        exercise = ExerciseScreen(program, program.window(EXERCISE_TITLE))
        patterns = []
        for op in range(1, 41):
            exercise.wait_for_new_operation()
            wait_until("the focus in the answer box", lambda: focused(exercise.box), 5)
            expected, question = exercise.expected_answer()
            type_text(expected)
            wait_until("the answer typed", lambda: text_of(exercise.box) == expected, 5)
            keys("Return")
            label_shown(exercise.window, RIGHT)
            patterns.append(record_pattern(question, expected, False))
            if op < 40:
                keys("Return")
        alert = program.alert()
        check(name(alert) == "FINE ESERCITAZIONE", f"the question is titled {name(alert)!r}")
        keys("Return")
        wait_until("the message box to close", program.no_alert, 10)
        report = program.window(REPORT_TITLE)
        check_report(report, patterns)
        log("40 operations by digits and Enter; the report shows them all")
        end_from_exercise(program, start, exercise, report)
    finally:
        program.stop()


def case_assistive_text():
    """An assistive technology's set and insert on the answer box keep its rules: no letters,
    and nothing at all once the answer is judged."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start, exercise = start_exercise(
            program, 0, "NUMERO MAX DA 1 A 10", " Operazione con numero massimo da 1 a 10"
        )
        exercise.wait_for_new_operation()
        editable = exercise.box.queryEditableText()
        editable.setTextContents("7y8")
        editable.insertText(0, "7y8", 3)
        time.sleep(0.5)
        check(text_of(exercise.box) == "", f"the answer box took {text_of(exercise.box)!r}")
        expected, _ = exercise.expected_answer()
        editable.setTextContents(expected)
        wait_until("the answer set", lambda: text_of(exercise.box) == expected, 5)
        press(button(exercise.window, VERIFY))
        label_shown(exercise.window, RIGHT)
        editable.setTextContents("9")
        editable.insertText(0, "9", 1)
        time.sleep(0.5)
        check(
            text_of(exercise.box) == expected,
            f"the judged box reads {text_of(exercise.box)!r}, not {expected!r}",
        )
        log("letters refused; the judged answer kept")
        press(button(exercise.window, NEXT_OPERATION))
        exercise.wait_for_new_operation()
        check(program.alive() and program.no_alert(), "the program ended or asked something")
    finally:
        program.stop()


def report_snapshot(program, exercise, patterns):
    """Opens the report from the exercise screen, checks and reads its records and time boxes,
    closes it."""
    press(button(exercise.window, SHOW_EXERCISE))
    report = program.window(REPORT_TITLE)
    lines = check_report(report, patterns)
    totals = [t for t in shown_texts(report) if t.startswith("Tempo totale")]
    press(button(report, "ESCI"))
    wait_until("the report to close", lambda: not find_window(program, REPORT_TITLE))
    return lines, totals


def play_review(program, wrong_first):
    """Plays the review window to its end by digits and Enter alone; returns its closing text."""
    review = ExerciseScreen(program, program.window(REVIEW_TITLE))
    activate(review.window)
    asked = 0
    while True:
        ending = next(
            (n for n in find_all(review.window, "label") if name(n).startswith("Hai ripassato")),
            None,
        )
        if ending is not None:
            break
        wait_until(
            "a review question", lambda: text_of(review.box) == "" and focused(review.box), 10
        )
        expected, _ = review.expected_answer()
        asked += 1
        wrong = asked == 1 and wrong_first
        answer = str(int(expected) + 1) if wrong else expected
        type_text(answer)
        wait_until(f"the answer box to read {answer!r}", lambda: text_of(review.box) == answer, 5)
        keys("Return")
        label_shown(review.window, "Errato" if wrong else "Esatto")
        if wrong:
            label_shown(review.window, f"Il risultato giusto è {expected}")
        keys("Return")
        wait_until(
            "the next question or the end",
            lambda: text_of(review.box) == ""
            or find(review.window, "push button", "Torna agli esercizi"),
            10,
        )
    text = name(ending)
    log(f"review: {asked} questions, {text!r}")
    keys("Return")
    wait_until("the review to close", lambda: not find_window(program, REVIEW_TITLE))
    return asked, text


def case_review():
    """Two wrong answers, the review of them played to its end: the report is unchanged."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start, exercise = start_exercise(
            program, 0, "NUMERO MAX DA 1 A 10", " Operazione con numero massimo da 1 a 10"
        )
        patterns = exercise.play(1, {3, 7}, by_keypad=False, distinct=True)
        before = report_snapshot(program, exercise, patterns)

        choose_menu(program, exercise.window, "File", "Ripasso degli errori")
        asked, text = play_review(program, wrong_first=True)
        check(
            text == "Hai ripassato 2 operazioni: ora ne sai fare 2!",
            f"the review ends with {text!r}",
        )
        # The plan of twelve questions, and the one missed in the review asked once more.
        check(asked == 13, f"the review asked {asked} questions")

        button(exercise.window, NEXT_EXERCISE)
        label_shown(exercise.window, "Clicca sul pulsante Nuovo esercizio")
        after = report_snapshot(program, exercise, patterns)
        check(after == before, f"the report changed: {before} then {after}")
        log("the report is the same after the review")
        end_from_exercise(program, start, exercise)
    finally:
        program.stop()


# Three or more letters in a row, each standing alone: a name a screen reader would spell.
SPELLED = re.compile(r"(?<!\S)[^\W\d_](?: [^\W\d_]){2,}(?!\S)")
START_HINT = (
    "Scegli il numero massimo e premi Invio per cominciare l'esercizio. Con Maiusc+Tab scegli "
    "prima il tipo di esercizio."
)
# What Orca says as the answer box takes the focus: the operation, then the box's task.
HEARD_OPERATION = r"(\d+|quanto) meno (\d+|quanto) uguale (\d+|quanto)\? testo\."
HEARD_VERDICT = (
    r"(Esatto|Errato)\. (\d+) second[io]\.(?: (Esercizio 1 finito: \d+ risposte esatte su 10\.))?"
    r" (Nuova sottrazione|Nuovo esercizio) pulsante\."
)


def answer_heard(match):
    """The answer to an operation as Orca read it, with "quanto" for the term asked."""
    minuend, subtrahend, difference = match.groups()
    if difference == "quanto":
        return int(minuend) - int(subtrahend)
    if minuend == "quanto":
        return int(subtrahend) + int(difference)
    return int(minuend) - int(difference)


def press_until(speech, key, what, pattern, most):
    """Presses key until Orca says a line matching pattern: (its index, the match)."""
    for _ in range(most):
        since = speech.after_keys(key)
        try:
            speech.wait_for(f"anything on {key}, looking for {what}", lambda line: True, since, 3)
        except Failure:
            continue  # a key that changes nothing Orca reads
        time.sleep(0.3)  # the focused control can follow a line such as a window's name
        for index in range(since, len(speech.read())):
            match = re.fullmatch(pattern, speech.lines[index])
            if match:
                return index, match
    raise Failure(f"{most} presses of {key} and Orca never said {what}: {speech.lines[-12:]}")


def tab_until(speech, what, pattern, most=6):
    return press_until(speech, "Tab", what, pattern, most)


def case_screen_reader():
    """A pupil who cannot see the screen, heard through Orca: the type chosen by ear, ten
    operations worked out from what Orca says, each verdict heard first, the menu heard as a
    menu, then the report's records and the certificate's texts reached by Tab and heard in
    words."""
    speech = Speech(os.environ["E2E_SPEECH"])
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start = program.window(START_TITLE, 30)
        activate(start)
        speech.hear("the name field", r"Nome testo\.", 0, 20)
        type_text("mario")
        since = speech.after_keys("Return")
        heard, _ = speech.hear("the first range", r"NUMERO MAX DA 1 A 10 pulsante\.", since)
        speech.hear("what to do next", re.escape(START_HINT), heard)
        since = speech.after_keys("shift+Tab")
        heard, _ = speech.hear("the type list", r"Tipo di esercizio casella combinata\.", since)
        speech.hear("the type chosen", re.escape(MODES[0] + "."), heard)
        since = speech.after_keys("Down")
        speech.hear("the new type", re.escape(MODES[1] + "."), since)
        since = speech.after_keys("Tab")
        speech.hear("the first range again", r"NUMERO MAX DA 1 A 10 pulsante\.", since)
        for _ in range(6):
            since = speech.after_keys("Tab")
        heard, _ = speech.hear("today's practice", r"Allenamento di oggi pulsante\.", since)
        speech.hear("what it does", r"Il programma sceglie per te le operazioni di oggi\.", heard)
        for _ in range(6):
            since = speech.after_keys("shift+Tab")
        speech.hear("the first range once more", r"NUMERO MAX DA 1 A 10 pulsante\.", since)
        since = speech.after_keys("Return")
        window = program.window(EXERCISE_TITLE)
        label_shown(window, MODE_CAPTIONS[1])
        time_label = wait_until(
            "the answer time",
            lambda: find(window, "label", "Secondi impiegati per ogni risposta"),
        )

        records = []
        for op in range(1, 11):
            heard, operation = speech.hear(f"operation {op}", HEARD_OPERATION, since)
            speech.hear(f"operation {op}: its task", r"Scrivi il (minuendo|sottraendo)\.", heard)
            wrong = op in (2, 4)
            answer = str(answer_heard(operation) + (1 if wrong else 0))
            type_text(answer)
            since = speech.after_keys("Return")
            first = speech.wait_for(f"operation {op}: anything", lambda line: True, since)
            said = speech.lines[first]
            verdict = re.fullmatch(HEARD_VERDICT, said)
            check(verdict is not None, f"operation {op}: the check said first {said!r}")
            check(
                verdict.group(1) == ("Errato" if wrong else "Esatto"),
                f"operation {op}: heard {said!r} for a {'wrong' if wrong else 'right'} answer",
            )
            shown = fresh(time_label).description.strip()
            check(verdict.group(2) == shown, f"operation {op}: {said!r}, the screen shows {shown}")
            ending = "Esercizio 1 finito: 8 risposte esatte su 10." if op == 10 else None
            check(verdict.group(3) == ending, f"operation {op}: {said!r} ends wrongly")
            seconds = verdict.group(2) + (" secondo" if verdict.group(2) == "1" else " secondi")
            records.append(
                f"Esercizio 1, operazione {op}: {operation.group(0)[: -len('? testo.')]}; "
                f"hai scritto {answer}, {'sbagliato' if wrong else 'giusto'}; {seconds} etichetta."
            )
            if op < 10:
                since = speech.after_keys("Return")
        log(f"ten operations by ear, every verdict heard first: {speech.lines[first]!r}")

        since = speech.after_keys("Tab")
        speech.hear("the report button", r"Visualizza  esercizio pulsante\.", since)
        since = speech.after_keys("Return")
        heard, _ = speech.hear("the report opening", r"STAMPA DELLE OPERAZIONI cornice\.", since)
        speech.hear("the focused print button", r"STAMPA LE OPERAZIONI pulsante\.", heard)
        since = speech.after_keys("alt+f")
        speech.hear("the menu as a menu", r"Menu File\.", since)
        try:
            press_until(speech, "Escape", "the focus back", r"STAMPA LE OPERAZIONI pulsante\.", 3)
        except Failure:
            # The menu closes onto a focus that never left the button, and Orca does not always
            # speak it again: away and back says where the focus is.
            speech.after_keys("Tab")
            since = speech.after_keys("shift+Tab")
            speech.hear("the focus back", r"STAMPA LE OPERAZIONI pulsante\.", since)
        tab_until(speech, "the first record", re.escape(records[0]))
        for record in records[1:]:
            since = speech.after_keys("Tab")
            speech.hear(f"the record {record!r}", re.escape(record), since, 5)
        since = speech.after_keys("Tab")
        speech.hear(
            "the exercise's time", r"Esercizio 1, tempo totale: \d+ second[io]\. etichetta\.", since
        )
        log("the report's ten records heard in words, in order")

        tab_until(speech, "the certificate button", r"Visualizza attestato pulsante\.", 8)
        since = speech.after_keys("Return")
        speech.hear("the certificate opening", r"ATTESTATO cornice\.", since)
        for text in [
            "Mario",
            "Valutazione: distinto, 8 su 10.",
            "Per aver dato 8 risposte esatte su 10",
        ]:
            tab_until(speech, f"the certificate's {text!r}", re.escape(text) + r" etichetta\.", 12)
        log("the certificate's texts heard in words")

        press(button(certificate_window(program), "ESCI"))
        wait_until("the certificate to close", lambda: not find_window(program, "ATTESTATO"))
        press(button(program.window(REPORT_TITLE), "ESCI"))
        wait_until("the report to close", lambda: not find_window(program, REPORT_TITLE))
        since = speech.mark()
        choose_menu(program, window, "File", "La mia mappa")
        heard, _ = speech.hear("the map opening", r"LA MIA MAPPA cornice\.", since)
        speech.hear("the first step", r".*1\. Entro il 10.*", heard)
        since = speech.after_keys("Right")
        speech.hear("its state", r".*(da iniziare|in allenamento).*", since)
        since = speech.after_keys("Down")
        speech.hear("the next step's state", r".*(da iniziare|in allenamento).*", since)
        log("the map heard step by step")

        spelled = [line for line in speech.lines if SPELLED.search(line)]
        check(not spelled, f"Orca spelled: {spelled}")
        check(speech.lines.count(START_HINT) == 1, "the start screen's hint not said just once")
        log("what Orca said:")
        for line in speech.lines:
            log(f"  {line}")
    finally:
        program.stop()


def register_counts():
    """(sessions, answers, right answers, sessions never closed) of the pupil mario in the register."""
    path = os.path.join(os.environ["HOME"], ".local/share/vovorudoroz/registro.sqlite")
    check(os.path.exists(path), f"no register at {path}")
    with sqlite3.connect(f"file:{path}?mode=ro", uri=True) as database:
        return database.execute(
            "SELECT COUNT(DISTINCT s.id), COUNT(a.operation_no), TOTAL(a.is_right),"
            " COUNT(DISTINCT CASE WHEN s.ended_at IS NULL THEN s.id END)"
            " FROM sessions s JOIN answers a ON a.session_id = s.id WHERE s.pupil_key = 'mario'"
        ).fetchone()


def register_endings():
    """How each of mario's sessions ended, oldest first."""
    path = os.path.join(os.environ["HOME"], ".local/share/vovorudoroz/registro.sqlite")
    with sqlite3.connect(f"file:{path}?mode=ro", uri=True) as database:
        rows = database.execute(
            "SELECT end_reason FROM sessions WHERE pupil_key = 'mario' ORDER BY started_at, rowid"
        ).fetchall()
    return [row[0] for row in rows]


def on_day(days_after):
    """The environment of a run whose clock starts this many days after today."""
    day = datetime.datetime.combine(
        datetime.date.today() + datetime.timedelta(days=days_after), datetime.time(10, 0)
    )
    return day, {
        "LD_PRELOAD": os.environ["E2E_FAKETIME_LIB"],
        "FAKETIME": "@" + day.strftime("%Y-%m-%d %H:%M:%S"),
    }


def own_progress(program, exercise, sessions):
    """The pupil's "I miei progressi" from the exercise screen's menu, then closed."""
    choose_menu(program, exercise.window, "File", "I miei progressi")
    progress = program.window("I MIEI PROGRESSI")
    label_shown(progress, sessions)
    press(button(progress, "Esci"))
    wait_until("the progress screen to close", lambda: not find_window(program, "I MIEI PROGRESSI"))


def choose_pupil(register, pupil):
    table = find(register, "table", "La classe")
    click(wait_until(f"the row of {pupil}", lambda: find(table, "table cell", pupil)))


def teacher_export_print_delete(program, start, day):
    """The teacher sees both pupils, exports the class, prints mario's sheet as a PDF (there is
    no printer) and deletes luisa."""
    choose_menu(program, start, "Registro")
    register = program.window("REGISTRO DELLA CLASSE")
    press(button(register, "SALVA"))
    table = wait_until("the class", lambda: find(register, "table", "La classe"))
    pupils = wait_until("the class's rows", lambda: [name(c) for c in find_all(table, "table cell")])
    check("mario" in pupils and "luisa" in pupils, f"the class shows {pupils}")

    csv_path = os.path.join(os.environ["E2E_WORK"], "classe.csv")
    press(button(register, "ESPORTA CSV"))
    save_through_dialog(program, f"registro-classe-{day:%Y%m%d}.csv", csv_path, "Esporta CSV")
    saved_file(csv_path)
    rows = open(csv_path, encoding="utf-8-sig").read().splitlines()[1:]
    check(
        [sum(r.startswith(p + ";") for r in rows) for p in ("mario", "luisa")] == [26, 1],
        f"the CSV's rows: {len(rows)}",
    )

    sheet = os.path.join(os.environ["E2E_WORK"], "progressi.pdf")
    choose_pupil(register, "mario")
    press(button(register, "STAMPA"))
    expect_message(program, NO_PRINTER, None, "Sì")
    save_through_dialog(program, f"Progressi - mario - {day:%d-%m-%Y}.pdf", sheet)
    saved_file(sheet)
    text = squeeze(pdf_text(sheet))
    check("PROGRESSIDIMARIO" in text and "23/25" in text, f"the sheet reads {text!r}")

    choose_pupil(register, "luisa")
    press(button(register, "ELIMINA ALUNNO"))
    expect_message(program, "Eliminare luisa e la sua sessione?", "REGISTRO DELLA CLASSE", "Sì")
    label_shown(register, "luisa è stato eliminato dal registro.")
    press(button(register, "Esci"))


def case_register_kill():
    """The program killed a second after the 25th verdict: all 25 answers are in the register,
    and the next run ends that session as "interrotta" and goes on writing beside it. Two pupils
    on three days each see their own progress; the teacher exports, prints and deletes one
    pupil, of whom nothing stays."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start, exercise, _ = play_first_exercise(program)
        press(button(exercise.window, NEXT_EXERCISE))
        exercise.play(2, {3, 7}, by_keypad=False)
        press(button(exercise.window, NEXT_EXERCISE))
        for op in range(1, 6):
            exercise.wait_for_new_operation()
            expected, _ = exercise.expected_answer()
            exercise.answer_by_keyboard(expected)
            label_shown(exercise.window, RIGHT)
            if op < 5:
                press(button(exercise.window, NEXT_OPERATION))
        time.sleep(1)
        program.process.kill()
        program.process.wait()
    finally:
        program.stop()
    counts = register_counts()
    log(f"after the kill: {counts}")
    check(counts == (1, 25, 23.0, 1), f"sessions, answers, right, open sessions: {counts}")

    program = Program(os.environ["E2E_PROGRAM"], on_day(1)[1])
    try:
        start, exercise = start_exercise(
            program, 0, "NUMERO MAX DA 1 A 10", " Operazione con numero massimo da 1 a 10"
        )
        exercise.wait_for_new_operation()
        expected, _ = exercise.expected_answer()
        exercise.answer_by_keyboard(expected)
        label_shown(exercise.window, RIGHT)
        wait_until("the second session's answer in the register", lambda: register_counts()[1] == 26)
        own_progress(program, exercise, "Hai fatto 2 sessioni.")
        choose_menu(program, exercise.window, "File", "Esci")
        wait_until("the exercise screen to close", lambda: not find_window(program, EXERCISE_TITLE))
        press(button(start, "Esci"))
        check(program.wait_exit(15) == 0, "the program did not end cleanly")
    finally:
        program.stop()
    # The killed run's session was ended at the next start, as cut short, at its last answer.
    counts = register_counts()
    check(counts == (2, 26, 24.0, 0), f"after the second run: {counts}")
    check(register_endings()[0] == "interrotta", f"the killed session ended as {register_endings()}")

    day, clock = on_day(2)
    program = Program(os.environ["E2E_PROGRAM"], clock)
    try:
        start, exercise = start_exercise(
            program,
            0,
            "NUMERO MAX DA 1 A 10",
            " Operazione con numero massimo da 1 a 10",
            "luisa",
            "luisa",
        )
        exercise.wait_for_new_operation()
        expected, _ = exercise.expected_answer()
        exercise.answer_by_keyboard(expected)
        label_shown(exercise.window, RIGHT)
        own_progress(program, exercise, "Hai fatto 1 sessione.")
        choose_menu(program, exercise.window, "File", "Esci")
        wait_until("the exercise screen to close", lambda: not find_window(program, EXERCISE_TITLE))
        teacher_export_print_delete(program, start, day)
        press(button(start, "Esci"))
        check(program.wait_exit(15) == 0, "the program did not end cleanly")
    finally:
        program.stop()
    folder = os.path.join(os.environ["HOME"], ".local/share/vovorudoroz")
    for file in os.listdir(folder):
        content = open(os.path.join(folder, file), "rb").read().lower()
        check(b"luisa" not in content, f"luisa is still in {file}")
    check(register_counts()[:2] == (2, 26), "mario's sessions went with luisa")


def register_sent(data_home=None):
    """(answers, answers marked as on the school server) in a lab PC's register file, the
    program's by default."""
    data_home = data_home or os.path.join(os.environ["HOME"], ".local/share")
    path = os.path.join(data_home, "vovorudoroz/registro.sqlite")
    if not os.path.exists(path):
        return (0, 0)
    with sqlite3.connect(f"file:{path}?mode=ro", uri=True) as database:
        return database.execute("SELECT COUNT(*), TOTAL(sent) FROM answers").fetchone()


def case_school_server():
    """A lab PC: forty answers while the school's server is stopped after the 15th verdict and
    started again after the 30th (the commands E2E_SERVER_STOP and E2E_SERVER_START); the
    register file then has every answer marked as on the server."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start, exercise, _ = play_first_exercise(program, by_keypad=False)
        press(button(exercise.window, NEXT_EXERCISE))
        activate(exercise.window)
        for op in range(1, 11):
            exercise.wait_for_new_operation()
            expected, _ = exercise.expected_answer()
            exercise.answer_by_keyboard(expected)
            label_shown(exercise.window, RIGHT)
            if op == 5:
                subprocess.run(os.environ["E2E_SERVER_STOP"], shell=True, check=True)
                log("the school server stopped after the 15th verdict")
            if op < 10:
                press(button(exercise.window, NEXT_OPERATION))
        press(button(exercise.window, NEXT_EXERCISE))
        exercise.play(3, set(), by_keypad=False)
        subprocess.run(os.environ["E2E_SERVER_START"], shell=True, check=True)
        log("the school server started after the 30th verdict")
        press(button(exercise.window, NEXT_EXERCISE))
        exercise.play(4, set(), by_keypad=False)
        wait_until("every answer on the school server", lambda: register_sent() == (40, 40.0), 90)
        log("the 40 answers are on the server")
    finally:
        program.stop()

    # PC b plays at its own pace: the class is read once its forty answers are on the server too.
    pc_b = os.environ["E2E_PC_B_DATA"]
    wait_until("PC b's answers on the school server", lambda: register_sent(pc_b) == (40, 40.0), 90)
    # The teacher's screen, from a new start: the password typed there is the teacher's login on
    # the server, which no lab PC keeps.
    texts, pupils = class_on_screen(SCHOOL_PASSWORD)
    log(f"the class from the server: {pupils}")
    check({"mario", SCHOOL_PUPIL_B} <= set(pupils), f"the class from the server lists {pupils}")
    check({"100 %", "75 %"} <= set(pupils), f"the class from the server without its figures: {pupils}")
    check(SERVER_AWAY not in texts, "the server said to be away")
    subprocess.run(os.environ["E2E_SERVER_STOP"], shell=True, check=True)
    texts, pupils = class_on_screen(SCHOOL_PASSWORD)
    log(f"the server stopped: {pupils}")
    check(any(SERVER_AWAY in text for text in texts), f"no notice with the server away: {texts}")
    check(pupils is None, f"a class shown without the server's login: {pupils}")
    subprocess.run(os.environ["E2E_SERVER_START"], shell=True, check=True)


SCHOOL_PASSWORD = "maestra'; --"
SCHOOL_PUPIL_B = "Anna O'Neil; DROP TABLE pupils;--"
SERVER_AWAY = (
    "Il server del registro non risponde: i dati di oggi sono al sicuro su questo computer e "
    "verranno inviati appena possibile."
)


def class_on_screen(password):
    """Opens "REGISTRO DELLA CLASSE" from the start screen's menu and logs in with the teacher's
    password; returns the screen's texts and the pupils it lists (None when no class opened)."""
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start = program.window(START_TITLE, 30)
        choose_menu(program, start, "Registro")
        register = program.window("REGISTRO DELLA CLASSE")
        field = wait_until("the password field", lambda: find(register, None, "Password dell'insegnante"))
        activate(register)
        field.queryComponent().grabFocus()
        if password:
            type_text(password)
        press(button(register, "ENTRA"))
        away = lambda: any(SERVER_AWAY in text for text in shown_texts(register))  # noqa: E731
        table = wait_until("the class or the notice", lambda: find(register, "table", "La classe") or away())
        if table is True:
            return [line for text in shown_texts(register) for line in text.split("\n")], None
        pupils = wait_until("the class's rows", lambda: [name(c) for c in find_all(table, "table cell")], 10)
        return [line for text in shown_texts(register) for line in text.split("\n")], pupils
    finally:
        program.stop()


# ---- today's practice over three days -------------------------------------------------

PRACTICE = "Allenamento di oggi"
MAP_TITLE = "LA MIA MAPPA"


def practice_screen(program, start, by_keyboard):
    """Starts "Allenamento di oggi" from the start screen: from the first range button with Tab
    and Enter, or with a click."""
    entry = wait_until("the entry to today's practice", lambda: find(start, "push button", PRACTICE))
    if by_keyboard:
        activate(start)
        first_range = button(start, "NUMERO MAX DA 1 A 10")
        wait_until("the focus on the first range", lambda: focused(first_range), 5)
        for _ in range(6):  # past the other five range buttons
            keys("Tab")
        wait_until("the focus on the entry", lambda: focused(entry), 5)
        keys("Return")
    else:
        click(entry)
    return ExerciseScreen(program, program.window(EXERCISE_TITLE))


def asked_operation(exercise):
    """(minuend, subtrahend, hidden term 1..3) of the operation on show, and its answer."""
    values = exercise.operation()
    hidden = values.index(None)
    expected, _ = exercise.expected_answer()
    value = int(expected)
    minuend, subtrahend, difference = [value if v is None else v for v in values]
    # Left to right: the minuend, the subtrahend, the difference; the box takes the hidden one.
    return (minuend, subtrahend, [2, 3, 1][hidden]), expected


def play_practice(program, exercise, miss):
    """Plays the forty operations with digits and Enter; miss(operation, number) says which to
    answer wrong. Returns the operations in order and the missed ones; Sì shows the report."""
    asked, missed = [], set()
    for number in range(1, 41):
        exercise.wait_for_new_operation()
        wait_until("the focus in the answer box", lambda: focused(exercise.box), 5)
        operation, expected = asked_operation(exercise)
        wrong = miss(operation, number)
        # A wrong answer that no wrong procedure gives: none of the numbers on show, nor one
        # or ten away from the right one.
        shown = set(operation[:2]) | {operation[0] - operation[1]}
        far = next(int(expected) + k for k in (3, 4, 5, 6) if int(expected) + k not in shown)
        typed = str(far) if wrong else expected
        type_text(typed)
        wait_until("the answer typed", lambda: text_of(exercise.box) == typed, 5)
        keys("Return")
        label_shown(exercise.window, WRONG if wrong else RIGHT)
        asked.append(operation)
        if wrong:
            missed.add(operation)
        if number < 40:
            keys("Return")
    alert = program.alert()
    check(name(alert) == "FINE ESERCITAZIONE", f"the question is titled {name(alert)!r}")
    keys("Return")
    wait_until("the message box to close", program.no_alert, 10)
    return asked, missed


def my_map(program, opener):
    """"La mia mappa" opened by opener(); its table's rows once read, and its sentence."""
    opener()
    window = program.window(MAP_TITLE)
    table = wait_until("the map's table", lambda: find(window, "table", "La mia mappa"))

    def read_rows():
        cells = fresh(table).queryTable()
        return [
            tuple(name(cells.getAccessibleAt(row, column)) for column in range(2))
            for row in range(cells.nRows)
        ]

    rows = wait_until("the map's rows", read_rows, 10)
    sentence = next((t for t in shown_texts(window) if t.startswith("Evviva")), "")
    return window, rows, sentence


def practice_day(days_after, by_keyboard, miss, teacher=None):
    """One run on a faked day: what the teacher does first, if anything, then today's practice
    played through; returns what was asked and missed, and the map's rows and sentence from
    "I miei progressi"."""
    day, clock = on_day(days_after)
    program = Program(os.environ["E2E_PROGRAM"], clock)
    try:
        if teacher:
            teacher(program, program.window(START_TITLE, 30))
        start = enter_name(program, "nina", "nina")
        exercise = practice_screen(program, start, by_keyboard)
        asked, missed = play_practice(program, exercise, miss)
        report = program.window(REPORT_TITLE)
        check(len(report_lines(report)) == 40, "the report does not show forty records")
        press(button(report, "ESCI"))
        wait_until("the report to close", lambda: not find_window(program, REPORT_TITLE))

        def from_progress():
            choose_menu(program, exercise.window, "File", "I miei progressi")
            press(button(program.window("I MIEI PROGRESSI"), "La mia mappa"))

        window, rows, sentence = my_map(program, from_progress)
        press(button(window, "Esci"))
        wait_until("the map to close", lambda: not find_window(program, MAP_TITLE))
        press(button(program.window("I MIEI PROGRESSI"), "Esci"))
        end_from_exercise(program, start, exercise)
    finally:
        program.stop()
    log(f"day {days_after + 1}: {len(missed)} missed, map {rows}")
    return day, asked, missed, rows, sentence


def assign_hidden_term(program, start):
    """The teacher's "ASSEGNA" in "REGISTRO DELLA CLASSE": nina practises "Il numero nascosto"."""
    choose_menu(program, start, "Registro")
    register = program.window("REGISTRO DELLA CLASSE")
    press(button(register, "SALVA"))  # the first opening: an empty password chosen
    wait_until("the class", lambda: find(register, "table", "La classe"))
    choose_pupil(register, "nina")
    press(button(register, "ASSEGNA"))
    dialog = program.window("ASSEGNA — REGISTRO DELLA CLASSE")
    family = wait_until("the hidden term's box", lambda: find(dialog, "check box", "Il numero nascosto"))
    press(family)
    wait_until("the box ticked", lambda: fresh(family).getState().contains(pyatspi.STATE_CHECKED), 5)
    press(button(dialog, "ASSEGNA"))
    wait_until(
        "the assignment told",
        lambda: any(t.startswith("Assegnato a nina") for t in shown_texts(register)),
    )
    press(button(register, "Esci"))
    wait_until("the register to close", lambda: not find_window(program, "REGISTRO DELLA CLASSE"))


def case_practice():
    """Today's practice over three faked days: day 1's misses come back on day 2, a family is
    "imparata" on day 3 in "La mia mappa", and the teacher's assignment changes the next plan.
    Started by keyboard alone on days 1 and 3, by the mouse on day 2."""
    counts = {}

    def every_fourth_of_its_kind(operation, number):
        kind = "hidden" if operation[2] != 1 else "small" if operation[1] in (1, 2) else "other"
        counts[kind] = counts.get(kind, 0) + 1
        return counts[kind] % 4 == 0

    never = lambda operation, number: False  # noqa: E731
    _, first, missed, _, _ = practice_day(0, True, every_fourth_of_its_kind)
    check(missed, "nothing was missed on day 1")
    _, second, _, rows, _ = practice_day(1, False, never)
    back = missed & set(second)
    check(back == missed, f"day 1's misses {sorted(missed - back)} did not come back on day 2")
    day, third, _, rows, sentence = practice_day(2, True, never)
    learned = [family for family, state in rows if state == f"imparata il {day:%d/%m}"]
    log(f"day 3: learned {learned}, {sentence!r}")
    check(learned, f"no family learned on day 3: {rows}")
    check(sentence.startswith("Evviva! Oggi hai imparato"), f"the map's sentence: {sentence!r}")

    _, assigned, _, _, _ = practice_day(2, False, never, assign_hidden_term)
    before = set(first) | set(second) | set(third)
    new = [operation for operation in assigned if operation not in before]
    check(new, "the assigned plan brings nothing new")
    check(
        all(operation[2] != 1 for operation in new),
        f"new operations outside the assigned family: {[o for o in new if o[2] == 1]}",
    )
    log(f"assigned the hidden term: {len(new)} new operations, all with a hidden term")


# ---- a pupil's measures ---------------------------------------------------------------

MEASURES_TITLE = "MISURE — REGISTRO DELLA CLASSE"
MEASURES_LINE = (
    "Misure: tempo non mostrato, 20 operazioni, lettura ad alta voce, caratteri grandi e alto contrasto,"
    " aiuto con la linea dei numeri"
)
TIME_BOXES = ("Secondi impiegati per ogni risposta", "Secondi impiegati per ogni esercizio")
# Seconds as screens, printouts and voices put them: "12 sec.", "3 secondi", "1 secondo".
SECONDS = re.compile(r"\bsec(?:\.|ond[io])", re.IGNORECASE)
WORDS = "zero uno due tre quattro cinque sei sette otto nove dieci".split()


def set_measures(program, start, pupil):
    """The teacher's "MISURE" in "REGISTRO DELLA CLASSE": every measure, five operations per
    exercise, saved for the pupil."""
    choose_menu(program, start, "Registro")
    register = program.window("REGISTRO DELLA CLASSE")
    press(button(register, "SALVA"))  # the first opening: an empty password chosen
    wait_until("the class", lambda: find(register, "table", "La classe"))
    choose_pupil(register, pupil)
    press(button(register, "MISURE"))
    dialog = program.window(MEASURES_TITLE)
    captions = ["Tempo nascosto", "Meno operazioni", "Leggi ad alta voce", "Caratteri grandi e alto contrasto"]
    for caption in captions + ["Aiuto (linea dei numeri)"]:
        box = wait_until(f"the box {caption!r}", lambda: find(dialog, "check box", caption))
        press(box)
        wait_until(f"{caption!r} ticked", lambda: fresh(box).getState().contains(pyatspi.STATE_CHECKED), 5)
    press(button(dialog, "SALVA"))
    wait_until("the measures saved", lambda: not find_window(program, MEASURES_TITLE))
    press(button(register, "Esci"))
    wait_until("the register to close", lambda: not find_window(program, "REGISTRO DELLA CLASSE"))
    log(f"measures set for {pupil}")


def verdict_with(control):
    """The verdict a screen reader says with a button: the text of the hidden label that labels it."""
    for relation in fresh(control).getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return " ".join(name(relation.getTarget(i)) for i in range(relation.getNTargets()))
    return ""


def time_shown(window):
    """What the exercise screen's two time boxes show, as a screen reader is told it (their
    tooltip when they show nothing)."""
    return [fresh(node).description for caption in TIME_BOXES for node in find_all(window, "label", caption)]


def first_exercise_timed(program, pupil, speech):
    """An exercise of a pupil without measures, as always: ten operations with their seconds
    shown and said to a screen reader, and nothing read aloud by the program."""
    start, exercise = start_exercise(
        program, 0, "NUMERO MAX DA 1 A 10", " Operazione con numero massimo da 1 a 10", pupil, pupil
    )

    def timed(op, wrong):
        check(all(re.fullmatch(r" ?\d+", t) for t in time_shown(exercise.window)), "no seconds shown")
        verdict = verdict_with(button(exercise.window, NEXT_EXERCISE if op == 10 else NEXT_OPERATION))
        check(SECONDS.search(verdict), f"{pupil}'s verdict without seconds: {verdict!r}")

    exercise.play(1, set(), by_keypad=False, after=timed)
    check(speech.read() == [], f"the program spoke for {pupil}: {speech.read()}")
    width = extents(exercise.window)[2]
    end_from_exercise(program, start, exercise)
    return width


def case_measures():
    """The teacher's measures for lia: four exercises of five, no seconds on any screen or
    paper, the operation read aloud through speech-dispatcher, the number line drawn and its use
    in the register; mario, without measures, as always."""
    speech = Speech(os.environ["E2E_SPEECH"], QUEUED)
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        first_exercise_timed(program, "lia", speech)
    finally:
        program.stop()
    program = Program(os.environ["E2E_PROGRAM"])
    try:
        set_measures(program, program.window(START_TITLE, 30), "lia")
        usual_width = first_exercise_timed(program, "mario", speech)
    finally:
        program.stop()
    log("lia before her measures and mario after them: seconds shown, nothing read aloud")

    program = Program(os.environ["E2E_PROGRAM"])
    try:
        start, exercise = start_exercise(
            program, 0, "NUMERO MAX DA 1 A 10", " Operazione con numero massimo da 1 a 10", "lia", "lia"
        )
        window = exercise.window
        width = extents(window)[2]
        check(width >= 1.4 * usual_width, f"lia's screen {width} px wide, mario's {usual_width}")
        log(f"lia's screen magnified: {width} px wide, mario's {usual_width}")

        def heard_operation(since):
            minuend, subtrahend, _ = exercise.operation()
            words = f"{WORDS[minuend]} meno {WORDS[subtrahend]}"
            speech.wait_for(words, lambda line: words in line, since)
            return words

        def before(op):
            words = heard_operation(judged[0])
            if op == 1 and exercise_no[0] == 1:
                since = speech.after_keys("F5")
                heard_operation(since)
                log(f"heard {words!r}, and again on F5")
            if aid_due[0]:
                aid_due[0] = False
                press(button(window, "AIUTO"))
                wait_until("the number line", lambda: find(window, None, "Linea dei numeri"), 5)
                log("the number line drawn")

        def after(op, wrong):
            judged[0] = speech.mark()
            check(not any(re.search(r"\d", t) for t in time_shown(window)), f"seconds shown: {time_shown(window)}")
            if wrong:
                aid_due[0] = True
                button(window, "AIUTO")

        exercise_no, aid_due, judged, right = [1], [False], [0], 20
        for number in range(1, 5):
            exercise_no[0] = number
            exercise.play(number, {2} if number == 1 else set(), False, size=5, before=before, after=after)
            speech.wait_for(f"the end of exercise {number}", lambda line: f"Esercizio {WORDS[number]} finito" in line, 0)
            if number < 4:
                press(button(window, NEXT_EXERCISE))
        right -= 1
        said = speech.read()
        check(not any(SECONDS.search(line) for line in said), f"seconds read aloud: {said}")
        check(any(line.startswith("Esatto") for line in said), f"no verdict read aloud: {said}")

        expect_message(program, "Hai eseguito 4 esercizi.", "FINE ESERCITAZIONE", "Sì")
        report = program.window(REPORT_TITLE)
        label_shown(report, MEASURES_LINE)
        texts = shown_texts(report)
        check(len(report_lines(report)) == 20, f"the report shows {len(report_lines(report))} records")
        check(not any(SECONDS.search(t) or re.search(r"\d Tp$", t) for t in texts), f"seconds on the report: {texts}")
        press(button(report, "STAMPA LE OPERAZIONI"))
        [report_pdf] = printed_files(1)
        printed = pdf_text(report_pdf)
        check(MEASURES_LINE in " ".join(printed.split()), f"the printed report without the measures: {printed}")
        check(not SECONDS.search(printed) and not re.search(r"\d\s*Tp", printed), "seconds on the printed report")

        press(button(report, "Visualizza attestato"))
        certificate = certificate_window(program)
        check_certificate(certificate, "Lia", "OTTIMO", right, 20, " Numeri da  1 a 10")
        label_shown(certificate, MEASURES_LINE)
        texts = shown_texts(certificate)
        check(not any(SECONDS.search(t) for t in texts), f"seconds on the certificate: {texts}")
        press(button(certificate, "STAMPA  L'ATTESTATO "))
        certificate_pdf = printed_files(2)[-1]
        check(not SECONDS.search(pdf_text(certificate_pdf)), "seconds on the printed certificate")
        log(f"report and certificate, on screen and on paper: 20 operations, {right} right, no seconds")
        press(button(certificate, "FINE SESSIONE"))
        check(program.wait_exit(15) == 0, "the program did not end cleanly")
    finally:
        program.stop()

    path = os.path.join(os.environ["HOME"], ".local/share/vovorudoroz/registro.sqlite")
    with sqlite3.connect(f"file:{path}?mode=ro", uri=True) as database:
        answers, aided, timed = database.execute(
            "SELECT COUNT(*), TOTAL(a.aid_used), COUNT(CASE WHEN a.seconds > 0 THEN 1 END) FROM answers a"
            " JOIN sessions s ON a.session_id = s.id WHERE s.pupil_key = 'lia'"
            " AND s.started_at = (SELECT MAX(started_at) FROM sessions WHERE pupil_key = 'lia')"
        ).fetchone()
    check((answers, aided, timed) == (20, 1.0, 20), f"lia's session in the register: {answers}, {aided}, {timed}")
    log("the register keeps lia's 20 answers with their times, one of them helped by the number line")
    silent_beside_orca(speech)


def silent_beside_orca(speech):
    """With Orca running, the program leaves the reading to it: nothing is said twice."""
    debug = os.environ["E2E_ORCA_DEBUG"]
    open(debug, "w").close()
    orca = subprocess.Popen(["/usr/bin/python3", os.environ["E2E_ORCA"], debug], stdout=subprocess.DEVNULL)
    try:
        wait_until("Orca", lambda: "ORCA: ATSPI registry initialized" in open(debug).read(), 30)
        since = speech.mark()
        program = Program(os.environ["E2E_PROGRAM"])
        try:
            _, exercise = start_exercise(
                program, 0, "NUMERO MAX DA 1 A 10", " Operazione con numero massimo da 1 a 10", "lia", "lia"
            )
            minuend, subtrahend, _ = exercise.operation()
            speech.wait_for("Orca reading the exercise screen", lambda line: "ESERCIZI" in line.upper(), since)
            time.sleep(2)
            said = speech.read()[since:]
            words = f"{WORDS[minuend]} meno {WORDS[subtrahend]}"
            check(not any(words in line for line in said), f"the program spoke beside Orca: {said}")
        finally:
            program.stop()
    finally:
        orca.terminate()
        orca.wait(10)
    log(f"beside Orca the program said nothing of its own; Orca said {len(said)} lines")


CASES = {
    "session": case_session,
    "analysis": case_analysis,
    "no_printer": case_no_printer,
    "failing_queue": case_failing_queue,
    "stopped_queue": case_stopped_queue,
    "rejecting_queue": case_rejecting_queue,
    "normal_queue": case_normal_queue,
    "midnight": case_midnight,
    "missing_sound": case_missing_sound,
    "missing_www": case_missing_www,
    "end_question": case_end_question,
    "enter_only": case_enter_only,
    "assistive_text": case_assistive_text,
    "review": case_review,
    "screen_reader": case_screen_reader,
    "register_kill": case_register_kill,
    "school_server": case_school_server,
    "practice": case_practice,
    "measures": case_measures,
}


def main():
    case = sys.argv[1]
    began = time.monotonic()
    try:
        CASES[case]()
    except Failure as failure:
        log(f"FAIL {case}: {failure}")
        program_log = os.path.join(os.environ["E2E_WORK"], "program.log")
        if os.path.exists(program_log):
            print("---- program output", open(program_log).read()[-3000:], sep="\n")
        return 1
    log(f"PASS {case} in {time.monotonic() - began:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
