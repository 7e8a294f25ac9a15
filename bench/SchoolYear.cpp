// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "SchoolYear.h"

#include "core/DrillCodes.h"
#include "core/ErrorRules.h"
#include "core/SessionRecord.h"
#include "core/StartChoices.h"
#include "register/FamilyMastery.h"
#include "register/RegisterFile.h"
#include "register/RowWriter.h"

#include <QDate>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cmath>

using namespace Register;

namespace {

const char *const Names[] = { "Luca", "Giulia", "Marco", "Sofia", "Matteo", "Aurora", "Lorenzo",
    "Alice", "Leonardo", "Ginevra", "Francesco", "Emma", "Alessandro", "Giorgia", "Andrea",
    "Beatrice", "Gabriele", "Anna", "Riccardo", "Vittoria", "Tommaso", "Chiara", "Edoardo",
    "Martina", "Federico", "Noemi", "Davide", "Elena", "Pietro", "Sara" };

// The wrong procedures the pupils bring, one each in turn; Error::None for a careful pupil.
const Analysis::Error Procedures[] = { Analysis::Error::SmallerFromLarger,
    Analysis::Error::BorrowNotTaken, Analysis::Error::None, Analysis::Error::AddsInstead,
    Analysis::Error::CopiesNumber, Analysis::Error::None, Analysis::Error::ForgetsCarry };

// The school days from mid-September, Monday to Friday.
QList<QDate> schoolDays(int count)
{
    QList<QDate> days;
    for (QDate day(2026, 9, 14); days.size() < count; day = day.addDays(1)) {
        if (day.dayOfWeek() <= 5)
            days.append(day);
    }
    return days;
}

// A wrong answer: a slip (one or ten off), or a third of the time the pupil's procedure where it
// gives a wrong value.
int wrongValue(QRandomGenerator &random, const Answer &answer, Analysis::Error procedure)
{
    if (procedure != Analysis::Error::None && random.bounded(3) == 0) {
        const Analysis::ProcedureAnswers values = Analysis::procedureAnswers(
            procedure, answer.minuend, answer.subtrahend, answer.askedTerm);
        if (!values.isEmpty() && values.first() != answer.expected)
            return values.first();
    }
    return answer.expected + (random.bounded(2) ? 10 : 1);
}

Answer drawAnswer(QRandomGenerator &random, int number, int low, int high, int mode, double skill,
    Analysis::Error procedure, QDateTime &clock)
{
    Answer answer;
    answer.operationNumber = number;
    answer.minuend = random.bounded(std::max(low, 2), high + 1);
    answer.subtrahend = random.bounded(0, answer.minuend);
    answer.askedTerm = mode == 1 ? 1 : mode == 2 ? random.bounded(2, 4) : random.bounded(1, 4);
    answer.expected = Analysis::rightValue(answer.minuend, answer.subtrahend, answer.askedTerm);
    answer.right = random.generateDouble() < skill;
    answer.typed =
        QString::number(answer.right ? answer.expected : wrongValue(random, answer, procedure));
    answer.seconds = std::round((1.5 + 8.0 * random.generateDouble() * (1.2 - skill)) * 10) / 10;
    clock = clock.addMSecs(static_cast<qint64>(answer.seconds * 1000) + 1500);
    answer.at = clock;
    // Named as the exercise names it, so that a row weighs what the program's rows weigh.
    answer.errorLabel =
        Analysis::errorName(Analysis::judge(Register::judgedOperationOf(answer)).error);
    return answer;
}

} // namespace

QString SchoolYear::pupilName(int pupil)
{
    return QString::fromLatin1(Names[pupil % std::size(Names)]);
}

bool SchoolYear::generate(const QString &path) const
{
    const QString connection = QStringLiteral("school-year");
    if (openFile(path, connection, PageCheck::None).state != State::Ready)
        return false;
    bool done = false;
    {
        QSqlDatabase database = QSqlDatabase::database(connection);
        QSqlQuery query(database);
        if (!query.exec(QStringLiteral("BEGIN")))
            return false;
        QRandomGenerator random(20261208);
        const QList<QDate> days = schoolDays(sessionsPerPupil);
        for (int pupil = 0; pupil < pupils; ++pupil) {
            const double start = 0.5 + 0.3 * random.generateDouble();
            const Analysis::Error procedure = Procedures[pupil % std::size(Procedures)];
            for (int session = 0; session < sessionsPerPupil; ++session) {
                const double skill = std::min(0.97, start + 0.2 * session / sessionsPerPupil);
                const int level = random.bounded(1, 7);
                const auto &range = StartChoices::ranges()[level - 1];
                const int mode = random.bounded(1, 4);
                QDateTime clock(days[session], QTime(8, 30).addSecs(pupil * 600));
                const QString id = QStringLiteral("%1-%2").arg(pupil).arg(session);
                writeRow(database,
                    StartRow {
                        id, { pupilName(pupil), mode, level, range.low, range.high, clock } });
                for (int n = 1; n <= answersPerSession; ++n)
                    writeRow(database,
                        AnswerRow { id,
                            drawAnswer(
                                random, n, range.low, range.high, mode, skill, procedure, clock) });
                writeRow(database, EndRow { id, { Ending::Completed, clock.addSecs(5) } });
            }
        }
        // What the program keeps at each session's end, once for the year's last.
        done = !keepMissingMastery(database).isValid() && query.exec(QStringLiteral("COMMIT"))
            && query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    closeFile(connection);
    return done;
}
