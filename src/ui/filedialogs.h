#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace plenara {

// The questions and messages of the file commands, behind one seam so that tests can
// answer them without a modal dialog.
class FileDialogs {
public:
    enum class Answer { Yes, No, Cancel };
    enum class SaveChanges { Save, Discard, Cancel };

    virtual ~FileDialogs() = default;

    // A file to open, or an empty string when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& folder,
                                 const QString& proposedName, const QString& filters) = 0;
    // Files to open, chosen together; none when the user cancelled. One at a time where a
    // dialog offers no more.
    virtual QStringList openFileNames(QWidget* parent, const QString& folder,
                                      const QString& filters) {
        const QString name = openFileName(parent, folder, {}, filters);
        return name.isEmpty() ? QStringList() : QStringList{name};
    }
    // A file to save to, or an empty string when the user cancelled. The dialog asks nothing
    // about an existing file; the caller does.
    virtual QString saveFileName(QWidget* parent, const QString& folder,
                                 const QString& proposedName, const QString& filters) = 0;
    // A question with Yes, No and Cancel.
    virtual Answer askYesNoCancel(QWidget* parent, const QString& text) = 0;
    // "Save changes to the project?" with Save, Discard and Cancel.
    virtual SaveChanges askSaveChanges(QWidget* parent) = 0;
    // A message about a file that could not be read or written.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    // A message that tells the user where a file was written.
    virtual void showInformation(QWidget* parent, const QString& text) = 0;
};

// The platform's file dialogs and message boxes.
class PlatformFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget* parent, const QString& folder, const QString& proposedName,
                         const QString& filters) override;
    QStringList openFileNames(QWidget* parent, const QString& folder,
                              const QString& filters) override;
    QString saveFileName(QWidget* parent, const QString& folder, const QString& proposedName,
                         const QString& filters) override;
    Answer askYesNoCancel(QWidget* parent, const QString& text) override;
    SaveChanges askSaveChanges(QWidget* parent) override;
    void showError(QWidget* parent, const QString& text) override;
    void showInformation(QWidget* parent, const QString& text) override;
};

// The user's documents folder, where files of the user's own start: a PDF of the report, a
// picture of a chart. The home folder where there is none.
QString documentsFolder();

// A filter list of pairs "Name|pattern|Name|pattern" as the platform's file dialogs take it.
QString dialogFilters(const QString& pairs);

} // namespace plenara
