#include "platform/Platform.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QUrl>

namespace {

class DesktopPlatform final : public Platform {
public:
    void MessageBox(QWidget* parent, MsgKind kind, const QString& caption,
                    const QString& text) override
    {
        const QMessageBox::Icon icon = kind == MsgKind::Warning       ? QMessageBox::Warning
                                       : kind == MsgKind::Information ? QMessageBox::Information
                                                                      : QMessageBox::Critical;
        QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
        // Names and field texts go into messages as typed; markup in them is shown, not obeyed.
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    QString SaveFileName(QWidget* parent, const SaveFileRequest& request) override
    {
        QFileDialog dialog(parent, request.caption, request.directory, request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        // A name typed without a suffix gets the one of the file type the user picked.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) {
                             const QRegularExpressionMatch match =
                                 QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
                             if (match.hasMatch())
                                 dialog.setDefaultSuffix(match.captured(1));
                         });
        dialog.selectFile(request.fileName);
        dialog.setSizeGripEnabled(true);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    QString OpenFileName(QWidget* parent, const OpenFileRequest& request) override
    {
        return QFileDialog::getOpenFileName(parent, request.caption, request.directory,
                                            request.filter);
    }

    SaveAnswer AskSaveChanges(QWidget* parent, const QString& caption,
                              const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, caption, text,
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Save: return SaveAnswer::Save;
        case QMessageBox::Discard: return SaveAnswer::Discard;
        default: return SaveAnswer::Cancel;
        }
    }

    QString ExistingDirectory(QWidget* parent, const QString& caption,
                              const QString& directory) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, directory);
    }

    void OpenUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

DesktopPlatform desktop;
Platform* current = &desktop;

}  // namespace

QString Platform::OpenFileName(QWidget*, const OpenFileRequest&)
{
    return {};
}

Platform::SaveAnswer Platform::AskSaveChanges(QWidget*, const QString&, const QString&)
{
    return SaveAnswer::Cancel;
}

Platform& Platform::Current()
{
    return *current;
}

Platform* Platform::Install(Platform* platform)
{
    Platform* previous = current;
    current = platform ? platform : &desktop;
    return previous;
}

QString ApplicationTitle()
{
    return QCoreApplication::applicationName();
}

void MessageDlg(QWidget* parent, Platform::MsgKind kind, const QString& text)
{
    const QString caption =
        kind == Platform::MsgKind::Warning       ? QCoreApplication::translate("MessageDlg", "Warning")
        : kind == Platform::MsgKind::Information ? QCoreApplication::translate("MessageDlg", "Information")
                                                 : ApplicationTitle();
    Platform::Current().MessageBox(parent, kind, caption, text);
}

void ShowException(const QString& message)
{
    MessageDlg(QApplication::activeWindow(), Platform::MsgKind::Error, message);
}

namespace {

// The line edit that holds a field's text: the field itself, or the editor of an editable combo
// box; nullptr for other controls.
QLineEdit* TextOf(QWidget* field)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(field))
        return combo->lineEdit();
    return nullptr;
}

}  // namespace

void SetFocus(QWidget* field, const QWidget* focusBefore)
{
    QLineEdit* edit = TextOf(field);
    // The combo box's own editor counts as the combo box.
    const bool hadFocus = focusBefore && (focusBefore == field || focusBefore == edit);
    field->setFocus(Qt::OtherFocusReason);
    if (edit && !hadFocus)
        edit->selectAll();
}

void WarnAndFocus(QWidget* parent, QWidget* field, const QString& text)
{
    // Taken before the box opens, which moves the focus away while it is shown. The window's own
    // focus widget: the control that has the keyboard focus while the window is active, and
    // keeps it while a box or a menu is in front.
    const QPointer<QWidget> focusBefore = field->window()->focusWidget();
    MessageDlg(parent, Platform::MsgKind::Warning, text);
    SetFocus(field, focusBefore.data());
}
