#pragma once

#include "editing/gui/DcFacadeRelais.h"

#include <QPlainTextEdit>
#include <QStringList>

// Data-control memo: a memo whose content goes in and out only through its
// built-in relay: the
// data control shows the edited object's text in it and reads it back, so
// that every change of the memo becomes an undoable edit. When the edited
// objects hold different texts it turns red and, with RefuserSaisieMult,
// read-only.
class TdcMemo : public QPlainTextEdit, public TdcFacadeRelais {
    Q_OBJECT
public:
    explicit TdcMemo(QWidget* parent = nullptr);
    ~TdcMemo() override;

    bool RefuserSaisieMult() const { return FRefuserSaisieMult; }
    void setRefuserSaisieMult(bool refuser) { FRefuserSaisieMult = refuser; }

    // Works on a copy: the value is handed back only when the relay read the
    // memo or restored a stored value.
    void LireValeur(QString& value);

    // The memo's text may not be used directly: each of these raises ETolvane
    // "<name> : l'accès à la propriété Lines est interdit".
    QString Text() const;
    void setText(const QString& texte);
    QStringList Lines() const;
    void setLines(const QStringList& lignes);

protected:
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Direct access to the content would bypass the relay.
    using QPlainTextEdit::appendPlainText;
    using QPlainTextEdit::insertPlainText;
    using QPlainTextEdit::setPlainText;
    using QPlainTextEdit::toPlainText;

    [[noreturn]] void AccesInterdit() const;
    // The content, lines separated by CR LF, every character kept.
    QString Contenu() const;
    void Montrer(bool multiaff, const QString& value);

    QString savAff;
    bool FRefuserSaisieMult = false;
};
