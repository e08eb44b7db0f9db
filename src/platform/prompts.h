#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace vm {

enum class PromptKind { Information, Warning, Error, Question, FileDialog };

// Every message box, question and file dialog of the program goes through
// this facade. The installed instance shows real dialogs; tests install a
// ScriptedPrompts that answers from a script and records what was asked.
class Prompts {
public:
    virtual ~Prompts() = default;

    static Prompts& instance();
    // Installs prompts (not owned); nullptr restores the real dialogs.
    static void install(Prompts* prompts);

    void information(QWidget* parent, const QString& text)
    {
        show(parent, PromptKind::Information, text);
    }
    void warning(QWidget* parent, const QString& text) { show(parent, PromptKind::Warning, text); }
    void error(QWidget* parent, const QString& text) { show(parent, PromptKind::Error, text); }
    // A question with "Ja" and "Nein"; true only for "Ja".
    bool question(QWidget* parent, const QString& text)
    {
        return show(parent, PromptKind::Question, text);
    }

    // File dialogs; an empty result means the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter);
    virtual QStringList openFileNames(QWidget* parent, const QString& title, const QString& folder,
                                      const QString& filter);
    virtual QString existingFolder(QWidget* parent, const QString& title, const QString& folder);

protected:
    // Shows one message; returns true for "Ja" on a question (and for any
    // other kind once it was acknowledged).
    virtual bool show(QWidget* parent, PromptKind kind, const QString& text);
};

// The test version: records every prompt and answers questions and file
// dialogs from queues. An empty queue answers "Nein" or cancels.
class ScriptedPrompts : public Prompts {
public:
    struct Asked {
        PromptKind kind;
        QString text;
    };

    ScriptedPrompts() { install(this); }
    ~ScriptedPrompts() override { install(nullptr); }

    void answerNext(bool yes) { m_answers.append(yes); }
    void answerNextFiles(const QStringList& files) { m_files.append(files); }

    const QList<Asked>& asked() const { return m_asked; }
    QStringList texts(PromptKind kind) const;
    void clear() { m_asked.clear(); }

    QString openFileName(QWidget*, const QString& title, const QString&, const QString&) override;
    QStringList openFileNames(QWidget*, const QString& title, const QString&,
                              const QString&) override;
    QString existingFolder(QWidget*, const QString& title, const QString&) override;

protected:
    bool show(QWidget* parent, PromptKind kind, const QString& text) override;

private:
    QStringList nextFiles(const QString& title);

    QList<Asked> m_asked;
    QList<bool> m_answers;
    QList<QStringList> m_files;
};

} // namespace vm
