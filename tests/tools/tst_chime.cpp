// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
// The right-answer chime: a well-formed WAV image, safe sample conversion, and a sound that is
// short, unclipped, click-free and rising in pitch.
#include "Chime.h"

#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

std::uint32_t read32(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16
        | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t read16(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

QByteArray tag(const std::vector<std::uint8_t> &bytes, std::size_t at)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data() + at), 4);
}

// Upward zero crossings per second: a plain pitch estimate for a window with one main tone.
double crossingRate(const std::vector<double> &samples, double from, double to)
{
    const auto first = static_cast<std::size_t>(from * chime::sampleRate);
    const auto last = static_cast<std::size_t>(to * chime::sampleRate);
    int crossings = 0;
    for (std::size_t i = first + 1; i < last; ++i)
        if (samples[i - 1] < 0.0 && samples[i] >= 0.0)
            ++crossings;
    return crossings / (to - from);
}

} // namespace

class TestChime : public QObject
{
    Q_OBJECT

private slots:
    void waveHeaderDescribesMono16BitPcm();
    void samplesAreLittleEndianTwosComplement();
    void pcmConversionRoundsAndClamps_data();
    void pcmConversionRoundsAndClamps();
    void chimeIsShortAndLoudWithoutClipping();
    void chimeStartsAndEndsInSilence();
    void chimeRisesInPitch();
};

void TestChime::waveHeaderDescribesMono16BitPcm()
{
    const std::vector<std::int16_t> pcm(1000, 0);
    const auto bytes = chime::waveFile(pcm, 22050);

    QCOMPARE(bytes.size(), std::size_t(44 + 2000));
    QCOMPARE(tag(bytes, 0), QByteArray("RIFF"));
    QCOMPARE(read32(bytes, 4), std::uint32_t(bytes.size() - 8));
    QCOMPARE(tag(bytes, 8), QByteArray("WAVE"));
    QCOMPARE(tag(bytes, 12), QByteArray("fmt "));
    QCOMPARE(read32(bytes, 16), 16u);
    QCOMPARE(read16(bytes, 20), 1); // PCM
    QCOMPARE(read16(bytes, 22), 1); // mono
    QCOMPARE(read32(bytes, 24), 22050u);
    QCOMPARE(read32(bytes, 28), 44100u); // bytes per second
    QCOMPARE(read16(bytes, 32), 2); // block align
    QCOMPARE(read16(bytes, 34), 16);
    QCOMPARE(tag(bytes, 36), QByteArray("data"));
    QCOMPARE(read32(bytes, 40), 2000u);
}

void TestChime::samplesAreLittleEndianTwosComplement()
{
    const auto bytes = chime::waveFile({ 1, -1, 0x1234, -32767 }, chime::sampleRate);
    const std::vector<std::uint8_t> data(bytes.begin() + 44, bytes.end());
    const std::vector<std::uint8_t> expected { 0x01, 0x00, 0xFF, 0xFF, 0x34, 0x12, 0x01, 0x80 };
    QVERIFY(data == expected);
}

void TestChime::pcmConversionRoundsAndClamps_data()
{
    QTest::addColumn<double>("sample");
    QTest::addColumn<int>("pcm");
    QTest::newRow("silence") << 0.0 << 0;
    QTest::newRow("full positive") << 1.0 << 32767;
    QTest::newRow("full negative, symmetric") << -1.0 << -32767;
    QTest::newRow("half rounds up") << 0.5 << 16384;
    QTest::newRow("above range clamps") << 1.7 << 32767;
    QTest::newRow("below range clamps") << -3.0 << -32767;
}

void TestChime::pcmConversionRoundsAndClamps()
{
    QFETCH(double, sample);
    QFETCH(int, pcm);
    QCOMPARE(int(chime::toPcm16({ sample }).front()), pcm);
}

void TestChime::chimeIsShortAndLoudWithoutClipping()
{
    const auto samples = chime::render();
    const double seconds = double(samples.size()) / chime::sampleRate;
    QVERIFY2(seconds >= 0.3 && seconds <= 0.5, qPrintable(QString::number(seconds)));

    double loudest = 0.0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    QVERIFY2(loudest > 0.5 && loudest < 0.9, qPrintable(QString::number(loudest)));
}

void TestChime::chimeStartsAndEndsInSilence()
{
    const auto samples = chime::render();
    // The sound fades in over its first half millisecond and is already still in its last two:
    // no click when it starts or stops.
    const std::size_t fadeIn = chime::sampleRate / 2000;
    for (std::size_t i = 0; i < fadeIn; ++i)
        QVERIFY2(std::abs(samples[i]) < 0.05, qPrintable(QString::number(i)));
    const std::size_t tail = chime::sampleRate / 500;
    for (std::size_t i = 0; i < tail; ++i)
        QVERIFY2(std::abs(samples[samples.size() - 1 - i]) < 0.01, qPrintable(QString::number(i)));
}

void TestChime::chimeRisesInPitch()
{
    const auto samples = chime::render();
    const double opening = crossingRate(samples, 0.01, 0.08);
    const double closing = crossingRate(samples, 0.27, 0.34);
    QVERIFY2(closing > opening * 1.3,
        qPrintable(QStringLiteral("%1 Hz then %2 Hz").arg(opening).arg(closing)));
}

QTEST_APPLESS_MAIN(TestChime)
#include "tst_chime.moc"
