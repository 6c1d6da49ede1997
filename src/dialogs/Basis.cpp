// The strength basis in words, the δc question and δc kept between runs.

#include "dialogs/Basis.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "model/Concrete.h"
#include "model/GradeFields.h"
#include "model/NumberText.h"
#include "platform/FieldText.h"
#include "platform/Platform.h"
#include "platform/Settings.h"

namespace {

const QString kCvSetting = QStringLiteral("basis/cv");

}  // namespace

QString BasisDescription(StrengthBasis basis, double cv, char separator)
{
    switch (basis) {
    case StrengthBasis::Mean:
        return QCoreApplication::translate("Basis", "Mean values (fcm, ftm), δc = %1").arg(CoefficientText(cv, separator));
    case StrengthBasis::Design: return QCoreApplication::translate("Basis", "Design values (fc, ft)");
    case StrengthBasis::Characteristic: break;
    }
    return QCoreApplication::translate("Basis", "Characteristic values (fc,k, ft,k)");
}

QString BasisDescription(const CConcrete& concrete, char separator)
{
    return BasisDescription(concrete.basis, concrete.cv, separator);
}

QString GradeRangeNote(double grade, char separator)
{
    if (InLawGradeRange(grade))
        return {};
    return QCoreApplication::translate("Basis", "Grade %1 lies outside C20–C80, the grades the law of GB 50010-2010 "
              "Appendix C is stated for.")
        .arg(QString::fromStdString(FormatFloat(NumberPattern::UpTo3, grade, separator)));
}

double RememberedCoefficientOfVariation()
{
    bool ok = false;
    const double cv = ProgramSettings()->value(kCvSetting)
                          .toDouble(&ok);
    return ok && ValidCoefficientOfVariation(cv) ? cv : 0;
}

void RememberCoefficientOfVariation(double cv)
{
    ProgramSettings()->setValue(kCvSetting, cv);
}

TCvDialog::TCvDialog(double cv, char separator, QWidget* parent)
    : QDialog(parent), separator(separator), value(cv)
{
    setObjectName(QStringLiteral("dlgCv1"));
    setWindowTitle(QCoreApplication::translate("Basis", "Mean Values"));
    auto* layout = new QVBoxLayout(this);
    const QString limit = QString::fromStdString(
        FormatFloat(NumberPattern::Fixed1, kMaxCoefficientOfVariation, separator));
    lbl1 = new QLabel(QCoreApplication::translate("Basis", "Coefficient of variation of the concrete strength δc\n"
                         "(from your test statistics, 0 < δc < %1):")
                          .arg(limit),
                      this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    layout->addWidget(lbl1);
    edt1 = new QLineEdit(this);
    edt1->setObjectName(QStringLiteral("edt1"));
    if (ValidCoefficientOfVariation(cv))
        edt1->setText(CoefficientText(cv, separator));
    lbl1->setBuddy(edt1);
    layout->addWidget(edt1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    btn1 = new QPushButton(QCoreApplication::translate("Basis", "OK"), this);
    btn1->setObjectName(QStringLiteral("btn1"));
    btn1->setDefault(true);
    btn2 = new QPushButton(QCoreApplication::translate("Basis", "Cancel"), this);
    btn2->setObjectName(QStringLiteral("btn2"));
    btn2->setAutoDefault(true);
    buttons->addWidget(btn1);
    buttons->addWidget(btn2);
    layout->addLayout(buttons);

    connect(btn1, &QPushButton::clicked, this, [this] { btn1Click(); });
    connect(btn2, &QPushButton::clicked, this, &QDialog::reject);
    edt1->setFocus();
    edt1->selectAll();
}

void TCvDialog::btn1Click()
{
    const QString text = TrimControl(edt1->text());
    double cv = 0;
    try {
        cv = StrToFloat(text.toStdString(), separator);
    } catch (const ConvertError&) {
        WarnAndFocus(this, edt1, NotANumberMessage(edt1->text()));
        return;
    }
    if (!ValidCoefficientOfVariation(cv)) {
        WarnAndFocus(this, edt1,
                     QCoreApplication::translate("Basis", "δc must be greater than 0 and less than %1.")
                         .arg(QString::fromStdString(FormatFloat(
                             NumberPattern::Fixed1, kMaxCoefficientOfVariation, separator))));
        return;
    }
    value = cv;
    accept();
}
