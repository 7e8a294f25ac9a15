// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/Controls.h"

#include "core/PlainWords.h"
#include "frame/Twips.h"

#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace Controls {

QFont font(const QString &family, double points, bool bold)
{
    QFont result(family);
    result.setPointSizeF(points);
    result.setBold(bold);
    return result;
}

QFont arial(double points, bool bold)
{
    return font(QStringLiteral("Arial"), points, bold);
}

QFont sansSerif(double points, bool bold)
{
    QFont result = font(QStringLiteral("MS Sans Serif"), points, bold);
    // Without the dialog face, fontconfig would pick a much wider one and clip the captions
    // laid out for it. Arial's widths (Liberation Sans), a touch narrower, keep them in place.
    result.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial") });
    if (!QFontInfo(result).family().contains(QStringLiteral("Sans Serif")))
        result.setStretch(95);
    return result;
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips::toPixels(left, top, width, height));
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void nameInPlainWords(QWidget *widget, const QString &caption)
{
    // An empty accessible name lets the control be read by its own text.
    widget->setAccessibleName(
        PlainWords::isLetterSpaced(caption) ? PlainWords::of(caption) : QString());
}

void switchShown(std::initializer_list<std::pair<QWidget *, bool>> controls,
    const std::function<void()> &moveFocus)
{
    for (const auto &[control, shown] : controls) {
        if (control && shown)
            control->show();
    }
    moveFocus();
    for (const auto &[control, shown] : controls) {
        if (control && !shown)
            control->hide();
    }
}

void requestFocus(QWidget *widget)
{
    if (widget->isVisibleTo(widget->window()) && widget->isEnabled())
        widget->setFocus(Qt::OtherFocusReason);
}

void setCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    nameInPlainWords(label, text);
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QFont &font)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(name);
    result->setFont(font);
    nameInPlainWords(result, text);
    return result;
}

void setOptionalLine(QLabel *&line, QWidget *parent, const QString &name, const QString &text,
    const QFont &font, const QRect &twips)
{
    if (!line && text.isEmpty())
        return;
    if (!line) {
        line = label(parent, name, QString(), font);
        line->setWordWrap(true);
        place(line, twips.x(), twips.y(), twips.width(), twips.height());
    }
    setCaption(line, text);
    line->setVisible(!text.isEmpty());
}

namespace {
    // Enter and Return press a focused button exactly as Space does: down on the press, clicked on
    // the release. A key pressed elsewhere whose release lands here (Enter that judged an answer
    // and moved the focus) finds the button up and does nothing, and a held key's repeats are
    // ignored, so nothing is pressed twice.
    class ProgramButton final : public QPushButton
    {
    public:
        using QPushButton::QPushButton;

    protected:
        void keyPressEvent(QKeyEvent *event) override
        {
            if (!isEnter(*event)) {
                QPushButton::keyPressEvent(event);
                return;
            }
            QKeyEvent space = spaceFor(*event);
            QPushButton::keyPressEvent(&space);
            event->setAccepted(space.isAccepted());
        }

        void keyReleaseEvent(QKeyEvent *event) override
        {
            if (!isEnter(*event)) {
                QPushButton::keyReleaseEvent(event);
                return;
            }
            QKeyEvent space = spaceFor(*event);
            QPushButton::keyReleaseEvent(&space);
            event->setAccepted(space.isAccepted());
        }

    private:
        static bool isEnter(const QKeyEvent &event)
        {
            return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
                && !(event.modifiers() & ~Qt::KeypadModifier);
        }

        static QKeyEvent spaceFor(const QKeyEvent &event)
        {
            return QKeyEvent(event.type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                event.isAutoRepeat());
        }
    };
} // namespace

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QFont &font)
{
    auto *result = new ProgramButton(caption, parent);
    result->setObjectName(name);
    result->setFont(font);
    nameInPlainWords(result, caption);
    return result;
}

QFrame *panel(QWidget *parent, const QString &name, const QColor &background)
{
    auto *result = new QFrame(parent);
    result->setObjectName(name);
    result->setFrameShape(QFrame::NoFrame);
    setBackground(result, background);
    return result;
}

QGroupBox *captionedPanel(
    QWidget *parent, const QString &name, const QString &caption, const QColor &background)
{
    auto *result = new QGroupBox(caption, parent);
    result->setObjectName(name);
    setBackground(result, background);
    return result;
}

} // namespace Controls
