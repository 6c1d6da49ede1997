#include "platform/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <clocale>

#include "model/CoreText.h"

// The translations are compiled into the static library; without this reference the linker
// could drop them from the executable. (Outside any namespace, as the registration is global.)
static void LoadTranslationResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(tarvolin_platform_translations);
        return true;
    }();
    (void)loaded;
}

namespace {

struct Translators {
    QTranslator program;
    QTranslator qt;
    bool programLoaded = false;
    bool qtLoaded = false;
};

// Made at the first use and kept to the end of the run: the application object and the core
// refer to them.
Translators* loaded = nullptr;
QPointer<QCoreApplication> installedInto;

std::string TranslateCore(const char* context, const char* source)
{
    return ui::translate(context, source).toStdString();
}

}  // namespace

bool ChineseChosen()
{
    const QStringList languages = QLocale::system().uiLanguages();
    if (languages.isEmpty())
        return false;
    const QLocale first(languages.constFirst());
    // A traditional-script locale (zh_TW, zh_HK) would get simplified characters it does not
    // ask for: it keeps English, as other languages do.
    return first.language() == QLocale::Chinese && first.script() != QLocale::TraditionalHanScript;
}

void InstallTranslations()
{
    if (!loaded) {
        if (!ChineseChosen())
            return;
        LoadTranslationResources();
        // The reasons the system gives for a failed file operation (strerror) in Chinese as
        // well: the window's application object takes the user's locale itself, the command
        // line makes none. Numbers keep the C rules (LC_NUMERIC is left alone).
#ifdef LC_MESSAGES
        std::setlocale(LC_MESSAGES, "");
#endif
        std::setlocale(LC_CTYPE, "");
        loaded = new Translators;
        loaded->programLoaded =
            loaded->program.load(QStringLiteral(":/i18n/tarvolin_zh_CN.qm"));
        // Debian's qt6-translations-l10n; without it Qt's dialogs stay English.
        loaded->qtLoaded = loaded->qt.load(QStringLiteral("qtbase_zh_CN"),
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (loaded->programLoaded)
            coretext::SetTranslator(&TranslateCore);
    }
    QCoreApplication* application = QCoreApplication::instance();
    if (application && installedInto != application) {
        if (loaded->qtLoaded)
            QCoreApplication::installTranslator(&loaded->qt);
        if (loaded->programLoaded)
            QCoreApplication::installTranslator(&loaded->program);
        installedInto = application;
    }
}

namespace ui {

QString translate(const char* context, const char* source)
{
    if (QCoreApplication::instance())
        return QCoreApplication::translate(context, source);
    if (loaded && loaded->programLoaded) {
        const QString text = loaded->program.translate(context, source);
        if (!text.isNull())
            return text;
    }
    return QString::fromUtf8(source);
}

}  // namespace ui
