#include "platform/DialogPrompts.h"

#include "platform/FileDialogFilter.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace {
QString title()
{
    return QApplication::applicationDisplayName();
}

} // namespace

void prepareFileDialog(QFileDialog &dialog, const FileDialogRequest &request)
{
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.folder);
    const QStringList filters = qtFileFilters(request.filter);
    dialog.setNameFilters(filters);
    const QString selected = qtFileFilterAt(request.filter, request.filterIndex);
    dialog.selectNameFilter(selected);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.executablesEntry <= 0)
        return;
    // The desktop's own dialog would ignore the executable filter.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QString executables = filters.value(request.executablesEntry - 1);
    const QDir::Filters allFiles = dialog.filter();
    const auto follow = [&dialog, executables, allFiles](const QString &filter) {
        dialog.setFilter(filter == executables ? allFiles | QDir::Executable : allFiles);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
    follow(selected);
}

void DialogPrompts::information(const QString &text)
{
    QMessageBox::information(m_parent, title(), text);
}

void DialogPrompts::error(const QString &text)
{
    QMessageBox::critical(m_parent, title(), text);
}

bool DialogPrompts::confirm(const QString &text)
{
    return QMessageBox::question(m_parent, title(), text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer DialogPrompts::askYesNoCancel(const QString &text)
{
    switch (QMessageBox::question(m_parent, title(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

QString DialogPrompts::openFile(const FileDialogRequest &request)
{
    QFileDialog dialog(m_parent);
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QStringList DialogPrompts::openFiles(const FileDialogRequest &request)
{
    QFileDialog dialog(m_parent);
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString DialogPrompts::saveFile(const FileDialogRequest &request)
{
    QFileDialog dialog(m_parent);
    prepareFileDialog(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DialogPrompts::chooseFolder(const QString &caption, const QString &folder)
{
    return QFileDialog::getExistingDirectory(m_parent, caption, folder);
}

std::optional<QColor> DialogPrompts::chooseColor(const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, m_parent);
    return chosen.isValid() ? std::optional<QColor>(chosen) : std::nullopt;
}

bool DialogPrompts::choosePrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}
