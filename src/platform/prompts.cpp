#include "platform/prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vm {

namespace {

Prompts* g_installed = nullptr;

} // namespace

Prompts& Prompts::instance()
{
    static Prompts real;
    return g_installed ? *g_installed : real;
}

void Prompts::install(Prompts* prompts)
{
    g_installed = prompts;
}

bool Prompts::show(QWidget* parent, PromptKind kind, const QString& text)
{
    QMessageBox box(parent);
    box.setText(text);
    switch (kind) {
    case PromptKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setWindowTitle(QStringLiteral("Information"));
        break;
    case PromptKind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle(QStringLiteral("Warnung"));
        break;
    case PromptKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle(QStringLiteral("Fehler"));
        break;
    case PromptKind::Question:
    case PromptKind::FileDialog:
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle(QStringLiteral("Bestätigen"));
        break;
    }
    if (kind == PromptKind::Question) {
        QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return true;
}

QString Prompts::openFileName(QWidget* parent, const QString& title, const QString& folder,
                              const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QStringList Prompts::openFileNames(QWidget* parent, const QString& title, const QString& folder,
                                   const QString& filter)
{
    return QFileDialog::getOpenFileNames(parent, title, folder, filter);
}

QString Prompts::existingFolder(QWidget* parent, const QString& title, const QString& folder)
{
    return QFileDialog::getExistingDirectory(parent, title, folder);
}

bool ScriptedPrompts::show(QWidget*, PromptKind kind, const QString& text)
{
    m_asked.append({kind, text});
    if (kind != PromptKind::Question) {
        return true;
    }
    return m_answers.isEmpty() ? false : m_answers.takeFirst();
}

QStringList ScriptedPrompts::texts(PromptKind kind) const
{
    QStringList result;
    for (const Asked& a : m_asked) {
        if (a.kind == kind) {
            result.append(a.text);
        }
    }
    return result;
}

QStringList ScriptedPrompts::nextFiles(const QString& title)
{
    m_asked.append({PromptKind::FileDialog, title});
    return m_files.isEmpty() ? QStringList() : m_files.takeFirst();
}

QString ScriptedPrompts::openFileName(QWidget*, const QString& title, const QString&,
                                      const QString&)
{
    const QStringList files = nextFiles(title);
    return files.isEmpty() ? QString() : files.first();
}

QStringList ScriptedPrompts::openFileNames(QWidget*, const QString& title, const QString&,
                                           const QString&)
{
    return nextFiles(title);
}

QString ScriptedPrompts::existingFolder(QWidget*, const QString& title, const QString&)
{
    const QStringList files = nextFiles(title);
    return files.isEmpty() ? QString() : files.first();
}

} // namespace vm
