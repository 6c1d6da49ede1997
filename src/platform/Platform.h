#pragma once

#include <QString>

class QUrl;
class QWidget;

// The one seam between Tarvolin and the desktop: modal boxes, file and folder dialogs and the
// web browser. The program uses the real Qt dialogs; tests install a stand-in that answers them.
class Platform {
public:
    enum class MsgKind { Warning, Information, Error };

    struct SaveFileRequest {
        QString caption;
        QString directory;
        QString fileName;
        QString filter;
        QString defaultSuffix;
    };

    struct OpenFileRequest {
        QString caption;
        QString directory;
        QString filter;
    };

    // The answers of a question about unsaved changes.
    enum class SaveAnswer { Save, Discard, Cancel };

    virtual ~Platform() = default;

    // A modal box with a single OK button.
    virtual void MessageBox(QWidget* parent, MsgKind kind, const QString& caption,
                            const QString& text) = 0;
    // The confirmed path, or an empty text when the user cancelled. Asks before replacing a file.
    virtual QString SaveFileName(QWidget* parent, const SaveFileRequest& request) = 0;
    // The chosen existing file, or an empty text when the user cancelled. A stand-in that
    // does not answer cancels.
    virtual QString OpenFileName(QWidget* parent, const OpenFileRequest& request);
    // A modal question with the buttons Save, Discard and Cancel; closing the box cancels.
    virtual SaveAnswer AskSaveChanges(QWidget* parent, const QString& caption,
                                      const QString& text);
    // The confirmed folder, or an empty text when the user cancelled.
    virtual QString ExistingDirectory(QWidget* parent, const QString& caption,
                                      const QString& directory) = 0;
    // Hands the address to the user's default browser; failures are the browser's affair.
    virtual void OpenUrl(const QUrl& url) = 0;

    static Platform& Current();
    // Installs a stand-in (nullptr restores the real desktop); returns the previous one.
    static Platform* Install(Platform* platform);
};

// The application's title: the caption of the top-level error box.
QString ApplicationTitle();

// MessageDlg of the original: Warning and Information boxes carry those words as caption,
// Error boxes the application title.
void MessageDlg(QWidget* parent, Platform::MsgKind kind, const QString& text);

// Shows an exception that escaped a handler; the run goes on.
void ShowException(const QString& message);

// Gives a field the keyboard focus. A field that comes to it from elsewhere shows its whole text
// selected; one that already had it (focusBefore, the focus before the refusal's box opened)
// keeps its text and caret as they were, so that the user's typing goes on.
void SetFocus(QWidget* field, const QWidget* focusBefore);

// Refuses the input of a field: a warning box, then the focus on the field, its text selected
// unless the field had the focus already (a refusal of what is being typed in it).
void WarnAndFocus(QWidget* parent, QWidget* field, const QString& text);
