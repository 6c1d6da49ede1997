#include "steelwindow/SteelForm.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <cmath>
#include <memory>
#include <new>
#include <optional>

#include "chart/Chart.h"
#include "chart/SeriesTitles.h"
#include "dialogs/PictureExport.h"
#include "formats/AtomicFile.h"
#include "formats/SteelCsv.h"
#include "model/NumberText.h"
#include "platform/CheckList.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/FieldText.h"
#include "platform/Platform.h"
#include "platform/RunGuarded.h"
#include "steel/Steel.h"
#include "steel/SteelRegistry.h"
#include "steelwindow/SteelChart.h"
#include "platform/Settings.h"

namespace {

const QString kSteelCvSetting = QStringLiteral("basis/steelCv");

// A grade of the table, whatever the letter case it was typed in.
const SteelGrade* GradeNamed(const QString& text)
{
    return FindSteelGradeAnyCase(NameOf(text));
}

}  // namespace

QString TSteelForm::BasisText(const CSteel& steel) const
{
    switch (steel.basis) {
    case StrengthBasis::Mean:
        return tr("Mean values (fy,m, fst,m), \u03B4s = %1")
            .arg(CoefficientText(steel.cv, decimalSeparator));
    case StrengthBasis::Design: return tr("Design values (fy, fst,k \u00D7 fy / fy,k)");
    case StrengthBasis::Characteristic: break;
    }
    return tr("Characteristic values (fy,k, fst,k)");
}

TSteelForm::TSteelForm(SteelRegistry& steels, char decimalSeparator, QWidget* owner)
    : QWidget(owner, Qt::Window),
      steels(steels),
      dlgSave1(std::make_unique<TSaveDialog>()),
      decimalSeparator(decimalSeparator)
{
    setObjectName(QStringLiteral("SteelForm"));
    BuildControls();
    SetUpSteelChart(cht1, decimalSeparator);
    Wire();
    SetBasis(basis);
    Rebuild();
    // Last, so that a window that failed to build leaves no subscription behind.
    replacedSubscription = steels.SubscribeReplaced([this] { Rebuild(); });
}

TSteelForm::~TSteelForm()
{
    steels.Unsubscribe(replacedSubscription);
}

void TSteelForm::BuildControls()
{
    setWindowTitle(tr("Reinforcing Steel"));
    setFont(ChartFont());

    grp1 = Make<QGroupBox>(this, "grp1", 6, 1, 333, 269);
    grp1->setTitle(tr("Define Steel"));
    lbl1 = MakeLabel(grp1, "lbl1", 10, 21, tr("Steel Name"));
    edt1 = Make<QLineEdit>(grp1, "edt1", 200, 18, 123, 21);
    lbl2 = MakeLabel(grp1, "lbl2", 10, 46, tr("Steel Grade"));
    cbb1 = Make<QComboBox>(grp1, "cbb1", 200, 42, 123, 21);
    cbb1->setEditable(true);
    // Inline completion would turn a typed "HRB" into "HRB335"; the box shows what was typed.
    cbb1->setCompleter(nullptr);
    cbb1->setInsertPolicy(QComboBox::NoInsert);
    for (const SteelGrade& grade : SteelGrades())
        cbb1->addItem(QLatin1String(grade.name));
    // Nothing is picked until the user picks: the fields start empty, as the concrete's do.
    cbb1->setCurrentIndex(-1);

    lbl3 = MakeLabel(grp1, "lbl3", 10, 70, tr("Modulus of elasticity Es (N/mm2)"));
    edt2 = Make<QLineEdit>(grp1, "edt2", 200, 67, 123, 21);
    lbl4 = MakeLabel(grp1, "lbl4", 10, 94, tr("Yield strength fy,r (N/mm2)"));
    edt3 = Make<QLineEdit>(grp1, "edt3", 249, 91, 74, 21);
    lbl5 = MakeLabel(grp1, "lbl5", 10, 118, tr("Ultimate strength fst,r (N/mm2)"));
    edt4 = Make<QLineEdit>(grp1, "edt4", 249, 115, 74, 21);
    lbl6 = MakeLabel(grp1, "lbl6", 10, 143, tr("Yield strain  \u03B5y = fy,r / Es"));
    edt5 = Make<QLineEdit>(grp1, "edt5", 249, 140, 74, 21);
    edt5->setReadOnly(true);
    // Read, never typed: the keyboard passes it by.
    edt5->setFocusPolicy(Qt::ClickFocus);
    edt5->setToolTip(tr("Derived from Es and fy,r; it follows them."));
    lbl7 = MakeLabel(grp1, "lbl7", 10, 167, tr("Strain at start of hardening  \u03B5uy"));
    edt6 = Make<QLineEdit>(grp1, "edt6", 249, 164, 74, 21);
    SetAssumptionTips();
    lbl8 = MakeLabel(grp1, "lbl8", 10, 192, tr("Strain at ultimate strength  \u03B5u"));
    edt7 = Make<QLineEdit>(grp1, "edt7", 249, 189, 74, 21);
    lbl9 = MakeLabel(grp1, "lbl9", 10, 216, tr("Coefficient of variation  \u03B4s"));
    edt8 = Make<QLineEdit>(grp1, "edt8", 249, 213, 74, 21);
    const QString cvTip = tr("The bars' coefficient of variation of strength, from your test "
                             "statistics:\nused on the mean basis only, fy,m = fy,k / (1 \u2212 "
                             "1.645 \u03B4s).");
    lbl9->setToolTip(cvTip);
    edt8->setToolTip(cvTip);
    // The last δs typed, kept between runs as the concretes' δc is.
    const double remembered =
        ProgramSettings()->value(kSteelCvSetting).toDouble();
    if (ValidCoefficientOfVariation(remembered))
        edt8->setText(CoefficientText(remembered, decimalSeparator));
    btn1 = Make<QPushButton>(grp1, "btn1", 10, 238, 314, 24);
    btn1->setText(tr("Create Steel"));
    // The fields a grade fills, as in the concrete window; the derived εy, which nobody types,
    // keeps the window's own colour.
    for (QLineEdit* edit : {edt2, edt3, edt4, edt6, edt7})
        Colour(edit, QPalette::Base, kActiveCaption);

    grp3 = Make<QGroupBox>(this, "grp3", 6, 271, 333, 143);
    grp3->setTitle(tr("Control"));
    btn2 = Make<QPushButton>(grp3, "btn2", 10, 16, 127, 25);
    btn2->setText(tr("Delete"));
    btn3 = Make<QPushButton>(grp3, "btn3", 10, 48, 127, 25);
    btn3->setText(tr("Delete All"));
    btn4 = Make<QPushButton>(grp3, "btn4", 10, 80, 127, 25);
    btn4->setText(tr("Save Data"));
    // Where the concrete window's Save Data starts, with its own memory of the last folder.
    dlgSave1->InitialDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    dlgSave1->Filter = tr("CSV files (*.csv)");
    dlgSave1->DefaultExt = QStringLiteral("csv");
    lst1 = Make<TRzCheckList>(grp3, "lst1", 147, 16, 177, 121);

    grp2 = Make<QGroupBox>(this, "grp2", 344, 1, 589, 413);
    grp2->setTitle(tr("Steel (tension; compression is the same with the signs reversed)"));
    cht1 = Make<TChart>(grp2, "cht1", 2, 15, kSteelChartSize.width(), kSteelChartSize.height());

    // Enter and Return press the focused button, as Space does.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    QWidget* order[] = {edt1, cbb1, edt2, edt3, edt4, edt6, edt7, edt8, btn1, btn2, btn3, btn4,
                        lst1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    setFixedSize(938, 420);
}

void TSteelForm::Wire()
{
    const auto on = [this](auto* sender, auto signal, void (TSteelForm::*handler)()) {
        connect(sender, signal, this, [this, handler] { Run(handler); });
    };
    on(cbb1, &QComboBox::editTextChanged, &TSteelForm::cbb1Change);
    on(edt2, &QLineEdit::textChanged, &TSteelForm::edt2Change);
    on(edt3, &QLineEdit::textChanged, &TSteelForm::edt2Change);
    on(edt8, &QLineEdit::textChanged, &TSteelForm::edt8Change);
    on(btn1, &QPushButton::clicked, &TSteelForm::btn1Click);
    on(btn2, &QPushButton::clicked, &TSteelForm::btn2Click);
    on(btn3, &QPushButton::clicked, &TSteelForm::btn3Click);
    on(btn4, &QPushButton::clicked, &TSteelForm::btn4Click);
    on(lst1, &TRzCheckList::Change, &TSteelForm::lst1Change);
    connect(cht1, &TChart::SaveImageAsRequested, this,
            [this] { SaveChartImageAs(this, cht1, QStringLiteral("Steel")); });
}

void TSteelForm::SetAssumptionTips()
{
    const QString assumption =
        tr("An assumption: GB 50010-2010 gives no strain at the start of hardening,\n"
           "and %1 is proposed for every grade.\n"
           "Replace it by test data of the bars where there are any.")
            .arg(Print("0.###", kProposedEuy, decimalSeparator));
    lbl7->setToolTip(assumption);
    edt6->setToolTip(assumption);
}

void TSteelForm::Run(void (TSteelForm::*handler)())
{
    RunGuarded([this, handler] { (this->*handler)(); });
}

void TSteelForm::SetDecimalSeparator(char separator)
{
    decimalSeparator = separator;
    cht1->SetDecimalSeparator(separator);
    SetAssumptionTips();
}

void TSteelForm::SetBasis(StrengthBasis newBasis)
{
    basis = newBasis;
    edt8->setEnabled(basis == StrengthBasis::Mean);
    lbl9->setEnabled(basis == StrengthBasis::Mean);
    if (GradeNamed(TrimControl(cbb1->currentText())))
        cbb1Change();
}

std::optional<double> TSteelForm::TypedCv() const
{
    const std::optional<double> cv = ReadNumber(TrimControl(edt8->text()), decimalSeparator);
    if (cv && ValidCoefficientOfVariation(*cv))
        return cv;
    return std::nullopt;
}

void TSteelForm::edt8Change()
{
    if (basis != StrengthBasis::Mean)
        return;
    if (const std::optional<double> cv = TypedCv())
        ProgramSettings()->setValue(kSteelCvSetting, *cv);
    if (GradeNamed(TrimControl(cbb1->currentText())))
        cbb1Change();
}

void TSteelForm::cbb1Change()
{
    // Typing goes on undisturbed: a text that is no grade (yet) is a name of the user's own
    // steel, whose values the user types; it changes nothing else and draws no box.
    const QString text = TrimControl(cbb1->currentText());
    const SteelGrade* grade = GradeNamed(text);
    if (!grade) {
        if (!text.isEmpty())
            edt1->setText(text);
        return;
    }
    // On the mean basis without a δs that reads, the strengths wait for one: the fields that
    // do not depend on it fill, the two strengths stay empty.
    const std::optional<double> cv = TypedCv();
    const bool strengths = basis != StrengthBasis::Mean || cv;
    const SteelValues v = SteelGradeValues(*grade, strengths ? basis : StrengthBasis::Characteristic,
                                           cv.value_or(0));
    const char separator = decimalSeparator;
    edt1->setText(QString::fromStdString(grade->name + std::string(BasisMark(basis))));
    edt2->setText(Print("0", v.Es, separator));
    edt3->setText(strengths ? Print("0.###", v.fy, separator) : QString());
    edt4->setText(strengths ? Print("0.###", v.fst, separator) : QString());
    edt6->setText(Print("0.###", v.euy, separator));
    edt7->setText(Print("0.###", v.eu, separator));
}

void TSteelForm::edt2Change()
{
    // Quiet while typing: whatever does not read yet leaves εy empty, and Create Steel names the
    // field.
    const std::optional<double> Es = ReadNumber(TrimControl(edt2->text()), decimalSeparator);
    const std::optional<double> fy = ReadNumber(TrimControl(edt3->text()), decimalSeparator);
    if (Es && fy && *Es > 0 && *fy > 0 && std::isfinite(*fy / *Es))
        edt5->setText(Print("0.000E+00", *fy / *Es, decimalSeparator));
    else
        edt5->clear();
}

bool TSteelForm::ValidateSteel(SteelValues& values)
{
    // The name's blanks at either end go, as they do from a concrete's name.
    const QString name = TrimControl(edt1->text());
    if (name != edt1->text())
        edt1->setText(name);

    const struct {
        QLineEdit* edit;
        double SteelValues::*member;
    } numbers[] = {{edt2, &SteelValues::Es},
                   {edt3, &SteelValues::fy},
                   {edt4, &SteelValues::fst},
                   {edt6, &SteelValues::euy},
                   {edt7, &SteelValues::eu}};
    values.name = NameOf(name);
    values.basis = basis;
    values.cv = 0;
    // The name's own refusals come before any number's, as in the concrete window: the name is
    // checked beside values that pass.
    SteelValues nameOnly;
    nameOnly.name = values.name;
    nameOnly.Es = nameOnly.fy = nameOnly.fst = nameOnly.euy = 1;
    nameOnly.eu = 2;
    if (const auto refusal = CheckSteel(nameOnly)) {
        WarnAndFocus(this, edt1, QString::fromStdString(refusal->message));
        return false;
    }
    // On the mean basis δs travels with the steel: it must read before anything else does.
    if (basis == StrengthBasis::Mean) {
        const QString text = TrimControl(edt8->text());
        if (text != edt8->text())
            edt8->setText(text);
        const std::optional<double> cv = ReadNumber(text, decimalSeparator);
        if (!cv) {
            WarnAndFocus(this, edt8, NotANumberMessage(text));
            return false;
        }
        if (!ValidCoefficientOfVariation(*cv)) {
            WarnAndFocus(this, edt8,
                         tr("\u03B4s must be greater than 0 and less than %1.")
                             .arg(Print("0.0", kMaxCoefficientOfVariation, decimalSeparator)));
            return false;
        }
        values.cv = *cv;
    }
    for (const auto& number : numbers) {
        const QString text = TrimControl(number.edit->text());
        if (text != number.edit->text())
            number.edit->setText(text);
        const std::optional<double> value = ReadNumber(text, decimalSeparator);
        if (!value) {
            WarnAndFocus(this, number.edit, NotANumberMessage(text));
            return false;
        }
        values.*number.member = *value;
    }
    if (const auto refusal = CheckSteel(values)) {
        QWidget* field = edt1;
        switch (refusal->field) {
        case SteelField::Name: field = edt1; break;
        case SteelField::Es: field = edt2; break;
        case SteelField::fy: field = edt3; break;
        case SteelField::fst: field = edt4; break;
        case SteelField::euy: field = edt6; break;
        case SteelField::eu: field = edt7; break;
        }
        WarnAndFocus(this, field, QString::fromStdString(refusal->message));
        return false;
    }
    return true;
}

void TSteelForm::btn1Click()
{
    SteelValues v;
    if (!ValidateSteel(v))
        return;
    if (steels.IndexOf(v.name) >= 0) {
        WarnAndFocus(this, edt1,
                     tr("Steel with name: \"%1\" already exists! Please Input another Name.")
                         .arg(QString::fromStdString(v.name)));
        return;
    }

    const std::string name = v.name;
    const CSteel& steel = steels.Add(
        std::make_unique<CSteel>(v.name, v.Es, v.fy, v.fst, v.euy, v.eu, v.basis, v.cv), true);
    try {
        // The row's tooltip says which strengths the steel was made from.
        lst1->Add(QString::fromStdString(name), BasisText(steel));
        AddSteelCurve(cht1, steel);
    } catch (const std::bad_alloc&) {
        // Never a steel without its row or its curve.
        DeleteSteel(name);
        MessageDlg(this, Platform::MsgKind::Warning, tr("Running out of Memory."));
        return;
    }
    // Checked from code: lst1Change does not run.
    lst1->SetItemChecked(lst1->Count() - 1, true);
}

void TSteelForm::DeleteSteel(const std::string& name)
{
    steels.Remove(name);
    RemoveFirstSeriesTitled(cht1, name);
    for (int i = 0; i < lst1->Count(); ++i) {
        if (NameOf(lst1->ItemText(i)) == name) {
            lst1->Delete(i);
            break;
        }
    }
}

void TSteelForm::DeleteAllSteels()
{
    steels.Clear();
    cht1->RemoveAllSeries();
    lst1->Clear();
}

void TSteelForm::ShowSteelCurve(const std::string& name, bool visible)
{
    ActivateSeriesTitled(cht1, name, visible);
    steels.SetShown(name, visible);
}

void TSteelForm::btn2Click()
{
    if (lst1->ItemIndex() < 0)
        return;
    DeleteSteel(NameOf(lst1->ItemText(lst1->ItemIndex())));
}

void TSteelForm::btn3Click()
{
    DeleteAllSteels();
}

void TSteelForm::btn4Click()
{
    if (steels.empty()) {
        MessageDlg(this, Platform::MsgKind::Information,
                   tr("No steels have been created: nothing to save."));
        return;
    }
    dlgSave1->Title = tr("Save Steel Data");
    dlgSave1->FileName = QStringLiteral("Steel_Data.csv");
    if (!dlgSave1->Execute(this))
        return;
    // Built whole before the disk is touched; a failed write leaves the earlier file as it was.
    const std::string text = BuildSteelCsv(steels, decimalSeparator);
    WriteFileAtomically(dlgSave1->FileName, text);
}

void TSteelForm::lst1Change()
{
    // Every row's state is applied again, so the chart always matches the check boxes, in one
    // pass over the chart and the list.
    const QHash<QString, bool> checked = lst1->CheckedByText();
    ActivateSeriesTitled(cht1, checked);
    for (auto it = checked.cbegin(); it != checked.cend(); ++it)
        steels.SetShown(NameOf(it.key()), it.value());
}

void TSteelForm::Rebuild()
{
    cht1->RemoveAllSeries();
    lst1->Clear();
    for (std::size_t i = 0; i < steels.size(); ++i) {
        const CSteel& steel = steels.at(i);
        lst1->Add(QString::fromStdString(steel.SteelName), BasisText(steel));
        AddSteelCurve(cht1, steel, steels.Shown(i));
        lst1->SetItemChecked(lst1->Count() - 1, steels.Shown(i));
    }
}
