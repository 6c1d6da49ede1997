#include "support/CjkFonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>

#include "support/Legibility.h"

CjkFontSetUp CheckCjkFontSetUp()
{
    CjkFontSetUp setUp;
    const QString wanted = qEnvironmentVariable("TARVOLIN_TEST_CJK_FONT");
    if (wanted.isEmpty())
        return setUp;  // the machine's own fonts, whichever they are
    const QStringList names = wanted.split(QLatin1Char('|'));
    const QStringList installed = QFontDatabase::families();
    const bool present = std::any_of(names.begin(), names.end(), [&](const QString& name) {
        return installed.contains(name);
    });
    if (!present) {
        setUp.skip = QStringLiteral("%1 is not installed: the run with it as the only CJK font "
                                    "is skipped")
                         .arg(names.front());
        return setUp;
    }
    const QStringList drawing = DrawingFamilies(QStringLiteral("应力应变"), QApplication::font());
    if (!std::any_of(names.begin(), names.end(),
                     [&](const QString& name) { return drawing.contains(name); }))
        setUp.fault = QStringLiteral("Chinese is drawn in %1, not %2: is FONTCONFIG_FILE set?")
                          .arg(drawing.join(QStringLiteral(", ")), names.front());
    return setUp;
}

QString CharactersWithoutGlyphs(const QString& text, const QFont& font)
{
    QString missing;
    for (const QChar c : text) {
        if (c.isSpace() || missing.contains(c))
            continue;
        QTextLayout layout(QString(c), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            if (run.glyphIndexes().contains(0u))
                missing += c;
    }
    return missing;
}
