#include "ui/filedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace plenara {

namespace {

const QString kTitle = QStringLiteral("Plenara");

QString startPath(const QString& folder, const QString& proposedName) {
    if (proposedName.isEmpty()) {
        return folder;
    }
    if (QDir::isAbsolutePath(proposedName)) {
        return proposedName;
    }
    return QDir(folder).filePath(proposedName);
}

} // namespace

QString documentsFolder() {
    // A desktop without a documents folder still names one; a dialog sent there would open
    // wherever the platform chooses, so the home folder is surer.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() || !QFileInfo(documents).isDir() ? QDir::homePath() : documents;
}

QString dialogFilters(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // The platform dialog reads the patterns from the parentheses of the name.
        filters << parts.at(i);
    }
    return filters.join(QStringLiteral(";;"));
}

QString PlatformFileDialogs::openFileName(QWidget* parent, const QString& folder,
                                          const QString& proposedName, const QString& filters) {
    return QFileDialog::getOpenFileName(parent, kTitle, startPath(folder, proposedName),
                                        dialogFilters(filters));
}

QStringList PlatformFileDialogs::openFileNames(QWidget* parent, const QString& folder,
                                               const QString& filters) {
    return QFileDialog::getOpenFileNames(parent, kTitle, folder, dialogFilters(filters));
}

QString PlatformFileDialogs::saveFileName(QWidget* parent, const QString& folder,
                                          const QString& proposedName, const QString& filters) {
    return QFileDialog::getSaveFileName(parent, kTitle, startPath(folder, proposedName),
                                        dialogFilters(filters), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

FileDialogs::Answer PlatformFileDialogs::askYesNoCancel(QWidget* parent, const QString& text) {
    const auto button = QMessageBox::question(
        parent, kTitle, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Yes);
    if (button == QMessageBox::Yes) {
        return Answer::Yes;
    }
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

FileDialogs::SaveChanges PlatformFileDialogs::askSaveChanges(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, kTitle, QStringLiteral("Save changes to the project?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    const int button = box.exec();
    if (button == QMessageBox::Save) {
        return SaveChanges::Save;
    }
    return button == QMessageBox::Discard ? SaveChanges::Discard : SaveChanges::Cancel;
}

void PlatformFileDialogs::showError(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, kTitle, text);
}

void PlatformFileDialogs::showInformation(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kTitle, text);
}

} // namespace plenara
