// The Chinese interface, as a user with a zh_CN locale meets it: the window, its refusals and
// its numbers, the command lines' help and messages, and the locales that choose the language.
// This test runs under LANGUAGE=zh_CN and LC_ALL=zh_CN.UTF-8 (tests/CMakeLists.txt).

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <memory>

#include "chart/Chart.h"
#include "concretewindow/StatusBar.h"
#include "concretewindow/Unit1.h"
#include "dialogs/About.h"
#include "dialogs/PictureOptions.h"
#include "dialogs/RepeatedLoadDialog.h"
#include "dialogs/SolverExportDialog.h"
#include "formats/CsvExport.h"
#include "model/GradeFields.h"
#include "platform/Translation.h"
#include "steelwindow/SteelForm.h"
#include "support/CjkFonts.h"
#include "support/FakePlatform.h"
#include "support/Legibility.h"
#include "support/Modal.h"

namespace {

bool HasHan(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

bool HasLetters(const QString& text)
{
    for (const QChar c : text)
        if (c.isLetter())
            return true;
    return false;
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs one of the built programs with the language variables set as given (unset otherwise)
// and no display.
Run RunProgram(const QString& program, const QStringList& arguments,
               const QMap<QString, QString>& language)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "DISPLAY",
                             "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    for (auto it = language.cbegin(); it != language.cend(); ++it)
        environment.insert(it.key(), it.value());
    // The window program still needs a platform for a wrong command line.
    if (program == QLatin1String(TARVOLIN_BINARY))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const QMap<QString, QString> kChinese{{QStringLiteral("LC_ALL"), QStringLiteral("zh_CN.UTF-8")}};

}  // namespace

class TestChinese : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windowTexts_data();
    void windowTexts();
    void noTextLeftInEnglish();
    void textsFitInTheirFonts();
    void dialogsAndTipsInChinese();
    void refusalsInChinese_data();
    void refusalsInChinese();
    void numbersAndFilesDoNotChange();
    void qtDialogsInChinese();
    void commandLines_data();
    void commandLines();
    void languageFollowsLocale_data();
    void languageFollowsLocale();
};

void TestChinese::initTestCase()
{
    REQUIRE_CJK_FONT_SET_UP();
    InstallTranslations();
    QVERIFY(ChineseChosen());
}

void TestChinese::windowTexts_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");

    QTest::newRow("caption") << "" << "Tarvolin（基于 GB 50010-2010）（作者 Quessel）";
    QTest::newRow("grp1") << "grp1" << "定义混凝土";
    QTest::newRow("lbl1") << "lbl1" << "混凝土名称";
    QTest::newRow("lbl2") << "lbl2" << "强度等级 fcu,k (N/mm2)";
    QTest::newRow("lbl4") << "lbl4" << "轴心抗压强度标准值 fc,k (N/mm2)";
    QTest::newRow("lbl5") << "lbl5" << "峰值压应变  εc,k  (10-6)";
    QTest::newRow("lbl6") << "lbl6" << "受压下降段参数  ac";
    QTest::newRow("lbl11") << "lbl11" << "受拉极限应变  εmax,t  (10-6)";
    QTest::newRow("btn1") << "btn1" << "创建混凝土";
    QTest::newRow("grp2") << "grp2" << "受压";
    QTest::newRow("grp3") << "grp3" << "操作";
    QTest::newRow("btn3") << "btn3" << "全部删除";
    QTest::newRow("File1") << "File1" << "文件(&F)";
    QTest::newRow("OpenLibrary1") << "OpenLibrary1" << "打开材料库(&O)…";
    QTest::newRow("DeleteAll1") << "DeleteAll1" << "全部删除";
}

void TestChinese::windowTexts()
{
    QFETCH(QString, object);
    QFETCH(QString, text);
    TForm1 form;
    QString shown;
    if (object.isEmpty())
        shown = form.windowTitle();
    else if (auto* label = form.findChild<QLabel*>(object))
        shown = label->text();
    else if (auto* group = form.findChild<QGroupBox*>(object))
        shown = group->title();
    else if (auto* button = form.findChild<QPushButton*>(object))
        shown = button->text();
    else if (auto* menu = form.findChild<QMenu*>(object))
        shown = menu->title();
    else if (auto* action = form.findChild<QAction*>(object))
        shown = action->text();
    QCOMPARE(shown, text);
}

// A text someone forgot to hand to tr() stays English under every locale: every text of the
// window, its menus and the charts' menu must be Chinese but the author's name and address.
void TestChinese::noTextLeftInEnglish()
{
    FakePlatform platform;
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QStringList texts{form.windowTitle()};
    for (QLabel* label : form.findChildren<QLabel*>())
        if (label != form.rzfldsts3 && label != form.rzfldsts2)
            texts << label->text();
    for (QGroupBox* group : form.findChildren<QGroupBox*>())
        texts << group->title();
    for (QPushButton* button : form.findChildren<QPushButton*>())
        texts << button->text();
    for (QMenu* menu : form.findChildren<QMenu*>())
        texts << menu->title();
    for (QAction* action : form.findChildren<QAction*>())
        if (!action->isSeparator() && !action->text().isEmpty())
            texts << action->text();
    std::unique_ptr<QMenu> chartMenu(form.cht1->CreateContextMenu(&form));
    for (QAction* action : chartMenu->actions())
        if (!action->isSeparator())
            texts << action->text();
    texts << form.cht1->xAxis->label() << form.cht1->yAxis->label();

    TAboutBox about(&form);
    texts << about.windowTitle();
    for (QLabel* label : about.findChildren<QLabel*>())
        if (label->objectName() != QLatin1String("lbl3") &&  // the program's name
            label->objectName() != QLatin1String("lbl6"))    // the website's address
            texts << label->text();
    for (QPushButton* button : about.findChildren<QPushButton*>())
        texts << button->text();

    QStringList english;
    for (const QString& text : texts)
        if (HasLetters(text) && !HasHan(text))
            english << text;
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(" | "))));
}

// The window's places and sizes are fixed; the Chinese texts must fit them as the English ones
// do, in the fonts that draw them: whichever CJK font the machine picks for the characters.
void TestChinese::textsFitInTheirFonts()
{
    FakePlatform platform;
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    TAboutBox about(&form);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));

    // The steel window, opened as the user opens it.
    form.ReinforcingSteel1->trigger();
    auto* steel = form.findChild<TSteelForm*>();
    QVERIFY(steel);
    QVERIFY(QTest::qWaitForWindowExposed(steel));
    QVERIFY(HasHan(steel->windowTitle()));

    for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&about),
                            static_cast<QWidget*>(steel)}) {
        const QStringList illegible = IllegibleTexts(window);
        QVERIFY2(illegible.isEmpty(), qPrintable(illegible.join(QLatin1Char('\n'))));
    }
    // The measure is only honest when the characters are drawn, not shown as boxes.
    for (QLabel* label : {form.lbl4, form.lbl5, form.lbl11, static_cast<QLabel*>(form.rzfldsts1)}) {
        const QString missing = CharactersWithoutGlyphs(label->text(), label->font());
        QVERIFY2(missing.isEmpty(),
                 qPrintable(label->objectName() + QStringLiteral(": no glyph for ") + missing +
                            QStringLiteral(" in ") +
                            DrawingFamilies(label->text(), label->font()).join(QStringLiteral(", "))));
    }
}

namespace {

// Every text a user reads in a dialog or window, tooltips included, that has letters but no
// Chinese character. Texts that are only symbols and units (Es, fy,r, N/mm²) are the same in
// both languages and are let through by the caller.
QStringList EnglishTexts(const QWidget& window)
{
    QStringList texts{window.windowTitle(), window.toolTip()};
    for (const QWidget* widget : window.findChildren<QWidget*>())
        texts << widget->toolTip();
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    for (const QGroupBox* group : window.findChildren<QGroupBox*>())
        texts << group->title();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts << button->text();
    QStringList english;
    for (const QString& text : texts)
        if (HasLetters(text) && !HasHan(text))
            english << text;
    return english;
}

// Symbols and units (fb0/fc0, K, Es (N/mm²)): written the same way in a Chinese interface. A
// word of more than three letters is a word to translate.
bool IsSymbolOrUnit(const QString& text)
{
    int run = 0;
    for (const QChar c : text) {
        run = c.isLetter() && c.unicode() < 0x80 ? run + 1 : 0;
        if (run > 3)
            return false;
    }
    return text.size() <= 24;
}

}  // namespace

// The tooltips and texts of the steel window, of every export dialog and of the repeated-load
// dialog, as they open from the menus with a concrete and a steel defined.
void TestChinese::dialogsAndTipsInChinese()
{
    FakePlatform platform;
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.cbb1->setCurrentText(QStringLiteral("15"));  // below C20: the grade box explains
    QVERIFY(HasHan(form.cbb1->toolTip()));
    form.cbb1->setCurrentText(QStringLiteral("30"));
    QTest::mouseClick(form.btn1, Qt::LeftButton);
    form.ReinforcingSteel1->trigger();
    auto* steel = form.findChild<TSteelForm*>();
    QVERIFY(steel);
    QVERIFY(QTest::qWaitForWindowExposed(steel));
    steel->cbb1->setCurrentText(QStringLiteral("HRB400"));
    QTest::mouseClick(steel->btn1, Qt::LeftButton);
    QCOMPARE(form.steels.size(), std::size_t(1));

    std::map<QString, QStringList> english;
    const auto look = [&](const QString& where, const QWidget& window) {
        for (const QString& text : EnglishTexts(window))
            if (!IsSymbolOrUnit(text))
                english[where] << text;
    };
    look(QStringLiteral("steel window"), *steel);
    for (QAction* action : {form.ExportAbaqus1, form.ExportOpenSees1})
        QVERIFY2(AnswerModal<SolverExportDialog>(
                     action, [&](SolverExportDialog& dialog) { look(action->text(), dialog); }),
                 qPrintable(action->text()));
    QVERIFY(AnswerModal<RepeatedLoadDialog>(
        form.RepeatedLoad1, [&](RepeatedLoadDialog& dialog) { look(form.RepeatedLoad1->text(), dialog); }));
    PictureChoice choice;
    // Save Pictures As with steels: the steel chart's row too.
    choice.names = QStringList{QStringLiteral("Compression"), QStringLiteral("Tension"),
                               QStringLiteral("Steel")};
    choice.sizes = {QSize(585, 223), QSize(585, 223), QSize(585, 396)};
    choice.formatFixed = false;
    TPictureOptions options(&form, choice);
    look(QStringLiteral("picture options"), options);

    QStringList found;
    for (const auto& [where, texts] : english)
        found << where + QStringLiteral(": ") + texts.join(QStringLiteral(" | "));
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void TestChinese::refusalsInChinese_data()
{
    QTest::addColumn<int>("grade");  // -1: no grade picked
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("createFirst");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    // A field the window reads itself, a rule of the Qt-free core, a message with the name in it.
    QTest::newRow("empty modulus at start")
        << -1 << "Con_20" << false << "\"\" 不是有效的浮点数！" << "edt2";
    QTest::newRow("name of 24 bytes")
        << 30 << "高强混凝土试件C30" << false
        << "混凝土名称必须少于 20 个字节（一个汉字占 3 个字节）。" << "edt1";
    QTest::newRow("name taken")
        << 30 << "Con_30" << true << "名称为 \"Con_30\" 的混凝土已存在！请输入其他名称。" << "edt1";
}

void TestChinese::refusalsInChinese()
{
    QFETCH(int, grade);
    QFETCH(QString, name);
    QFETCH(bool, createFirst);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    FakePlatform platform;
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    if (grade > 0)
        form.cbb1->setCurrentText(QString::number(grade));
    if (createFirst)
        QTest::mouseClick(form.btn1, Qt::LeftButton);
    QVERIFY(platform.messages.isEmpty());
    form.edt1->setText(name);
    const std::size_t before = form.concretes.size();
    QTest::mouseClick(form.btn1, Qt::LeftButton);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].caption, QStringLiteral("警告"));
    QCOMPARE(platform.messages[0].text, message);
    QCOMPARE(form.focusWidget()->objectName(), focus);
    QCOMPARE(form.concretes.size(), before);
}

// Numbers follow LC_NUMERIC, not the language, and files are the same in every language.
void TestChinese::numbersAndFilesDoNotChange()
{
    FakePlatform platform;
    TForm1 form;
    form.show();
    form.cbb1->setCurrentText(QStringLiteral("30"));
    const DefinitionTexts expected = GradeDefinitionTexts(30, '.');
    QCOMPARE(form.edt1->text(), QStringLiteral("Con_30"));
    QCOMPARE(form.edt3->text(), QStringLiteral("20.1"));
    QCOMPARE(form.edt4->text(), QStringLiteral("1470.437"));
    QCOMPARE(form.edt5->text(), QStringLiteral("0.748"));
    QCOMPARE(form.edt2->text().toStdString(), expected.Ec);
    QCOMPARE(form.edt8->text().toStdString(), expected.ftk);
    QCOMPARE(form.edt7->text().toStdString(), expected.etk);
    QCOMPARE(form.edt6->text().toStdString(), expected.at);
    QTest::mouseClick(form.btn1, Qt::LeftButton);
    QCOMPARE(form.concretes.size(), std::size_t(1));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.csv"));
    platform.saveAnswers << path;
    QTest::mouseClick(form.btn5, Qt::LeftButton);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes, QByteArray::fromStdString(BuildConcreteCsv(form.concretes, '.')));
    QVERIFY(bytes.startsWith("ConcreteName,Ec[N/mm2],fck[N/mm2]"));
    QVERIFY(bytes.contains("Compression Curve"));
    QVERIFY(!HasHan(QString::fromUtf8(bytes)));
}

// Qt's own buttons and dialogs speak Chinese too, from Debian's Qt translations.
void TestChinese::qtDialogsInChinese()
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_zh_CN.qm")))
        QSKIP("qt6-translations-l10n is not installed");
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), QStringLiteral("确定"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
}

void TestChinese::commandLines_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");  // what standard output starts with
    QTest::addColumn<QString>("err");  // what standard error contains

    const QString gui = QStringLiteral(TARVOLIN_BINARY);
    const QString cli = QStringLiteral(TARVOLIN_CLI_PATH);
    QTest::newRow("tarvolin --help") << gui << QStringList{"--help"} << 0
                                     << "用法：tarvolin [选项] [library]\n" << "";
    QTest::newRow("tarvolin, two libraries") << gui << QStringList{"a.json", "b.json"} << 2 << ""
                                             << "tarvolin: 启动时只能打开一个材料库。\n用法：";
    QTest::newRow("cli --help") << cli << QStringList{"--help"} << 0
                                << "用法：tarvolin-cli COMMAND [OPTIONS]\n" << "";
    QTest::newRow("cli abaqus --help") << cli << QStringList{"abaqus", "--help"} << 0
                                       << "用法：tarvolin-cli abaqus [SOURCES]" << "";
    QTest::newRow("cli grade not positive")
        << cli << QStringList{"parameters", "--grade", "0"} << 2 << ""
        << "tarvolin-cli: --grade：\"0\"：fcu,k 必须为正数！";
    QTest::newRow("cli names twice")
        << cli << QStringList{"csv", "--grade", "30", "--grade", "30", "-o", "-"} << 1 << ""
        << "混凝土名称必须唯一";
    QTest::newRow("cli option of the core")
        << cli << QStringList{"abaqus", "--grade", "30", "--rows", "2", "-o", "-"} << 2 << ""
        << "--rows：\"2\" 不是 3 到 100000 之间的整数。";
    QTest::newRow("cli cyclic, a bad history")
        << cli << QStringList{"cyclic", "--grade", "30", "--history", "0,x", "-o", "-"} << 2 << ""
        << "tarvolin-cli: --history：第 2 个值 \"x\" 不是数字";
    // Files never change with the language.
    QTest::newRow("cli cyclic") << cli << QStringList{"cyclic", "--grade", "30", "--history",
                                                      "0,-0.001", "-o", "-"}
                                << 0 << "material,strain,stress\r\nCon_30,0.0,0.0\r\n" << "";
    QTest::newRow("cli csv") << cli << QStringList{"csv", "--grade", "30", "-o", "-"} << 0
                             << "ConcreteName,Ec[N/mm2],fck[N/mm2]" << "";
    QTest::newRow("cli opensees") << cli << QStringList{"opensees", "--grade", "30", "-o", "-"}
                                  << 0 << "# ConcreteD materials written by Tarvolin" << "";
    QTest::newRow("cli parameters")
        << cli << QStringList{"parameters", "--grade", "30"} << 0
        << QStringLiteral("强度取值") + QString(44 - 8, QLatin1Char(' ')) +
               QStringLiteral("标准值 (fc,k, ft,k)\n混凝土名称") + QString(44 - 10, QLatin1Char(' ')) +
               QStringLiteral("Con_30\n弹性模量 Ec (N/mm2)") + QString(44 - 19, QLatin1Char(' '))
        << "";
    QTest::newRow("cli steel parameters, mean")
        << cli << QStringList{"parameters", "--steel", "HRB400", "--basis", "mean", "--cv", "0.1"}
        << 0
        << QStringLiteral("强度取值") + QString(44 - 8, QLatin1Char(' ')) +
               QStringLiteral("平均值 (fym, fstm)，δs = 0.1\n钢筋名称")
        << "";
}

void TestChinese::commandLines()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run run = RunProgram(program, arguments, kChinese);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(out.isEmpty() || run.out.startsWith(out), qPrintable(run.out));
    QVERIFY2(err.isEmpty() || run.err.contains(err), qPrintable(run.err));
    if (!arguments.contains(QStringLiteral("csv")) && !arguments.contains(QStringLiteral("opensees")) &&
        !(arguments.contains(QStringLiteral("cyclic")) && exitCode == 0))
        QVERIFY(HasHan(run.out + run.err));
}

void TestChinese::languageFollowsLocale_data()
{
    QTest::addColumn<QStringList>("variables");  // NAME=value
    QTest::addColumn<bool>("chinese");

    QTest::newRow("LANG zh_CN") << QStringList{"LANG=zh_CN.UTF-8"} << true;
    QTest::newRow("LC_ALL zh_CN") << QStringList{"LC_ALL=zh_CN.UTF-8", "LANG=en_US.UTF-8"} << true;
    QTest::newRow("LC_MESSAGES zh_CN")
        << QStringList{"LC_MESSAGES=zh_CN.UTF-8", "LANG=C.UTF-8"} << true;
    QTest::newRow("LANGUAGE zh first")
        << QStringList{"LANGUAGE=zh:en_US", "LANG=en_US.UTF-8"} << true;
    QTest::newRow("LANGUAGE en first")
        << QStringList{"LANGUAGE=en_US:zh_CN", "LC_ALL=zh_CN.UTF-8"} << false;
    QTest::newRow("zh_SG") << QStringList{"LANG=zh_SG.UTF-8"} << true;
    QTest::newRow("zh_TW") << QStringList{"LC_ALL=zh_TW.UTF-8"} << false;
    QTest::newRow("de_DE") << QStringList{"LC_ALL=de_DE.UTF-8"} << false;
    QTest::newRow("C.UTF-8") << QStringList{"LC_ALL=C.UTF-8"} << false;
    QTest::newRow("nothing set") << QStringList{} << false;
}

void TestChinese::languageFollowsLocale()
{
    QFETCH(QStringList, variables);
    QFETCH(bool, chinese);
    QMap<QString, QString> language;
    for (const QString& variable : variables)
        language.insert(variable.section(QLatin1Char('='), 0, 0),
                        variable.section(QLatin1Char('='), 1));

    const Run gui = RunProgram(QStringLiteral(TARVOLIN_BINARY), {"--help"}, language);
    const Run cli = RunProgram(QStringLiteral(TARVOLIN_CLI_PATH), {"--help"}, language);
    QCOMPARE(gui.exitCode, 0);
    QCOMPARE(cli.exitCode, 0);
    if (chinese) {
        QVERIFY2(gui.out.startsWith(QStringLiteral("用法：tarvolin [选项]")), qPrintable(gui.out));
        QVERIFY2(cli.out.startsWith(QStringLiteral("用法：tarvolin-cli")), qPrintable(cli.out));
    } else {
        // Every other locale keeps the English texts, byte for byte.
        const Run english = RunProgram(QStringLiteral(TARVOLIN_BINARY), {"--help"},
                                       {{QStringLiteral("LC_ALL"), QStringLiteral("C")}});
        QVERIFY(english.out.startsWith(QStringLiteral("Usage: tarvolin [options] [library]\n")));
        QCOMPARE(gui.out, english.out);
        QVERIFY2(cli.out.startsWith(QStringLiteral("Usage: tarvolin-cli COMMAND [OPTIONS]\n")),
                 qPrintable(cli.out));
        QVERIFY(!HasHan(gui.out + cli.out));
    }
}

QTEST_MAIN(TestChinese)
#include "tst_chinese.moc"
