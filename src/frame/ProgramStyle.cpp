// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
#include "frame/ProgramStyle.h"

#include "frame/PngPicture.h"

#include <QGuiApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

class ProgramStyle final : public QProxyStyle
{
public:
    ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) { }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *returnData) const override
    {
        // The menu captions carry no mnemonic letters, so Alt alone is the way into the menus.
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // Every menu bar asks for its overflow arrow when it is made. Qt's own would read its
    // pictures as of unknown kind, loading every image plugin at the start: the same pictures
    // are read here as PNG.
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
        const QWidget *widget) const override
    {
        if (standardIcon != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(standardIcon, option, widget);
        const bool rightToLeft =
            (option ? option->direction : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
        const QString direction = rightToLeft ? QStringLiteral("rtl-") : QString();
        QIcon icon;
        for (int size : { 8, 16, 32 }) {
            icon.addPixmap(pngPicture(
                QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png")
                    .arg(direction)
                    .arg(size)));
        }
        return icon;
    }
};

} // namespace

QStyle *createProgramStyle()
{
    return new ProgramStyle;
}
