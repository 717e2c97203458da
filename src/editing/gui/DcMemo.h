#pragma once

#include "editing/DcBaseRelais.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <memory>


// A memo whose content goes in and out only through its built-in relay: the
// data control shows the edited object's text in it and reads it back, so
// that every change of the memo becomes an undoable edit. When the edited
// objects hold different texts it turns red and, with RefuserSaisieMult,
// read-only.
class TdcMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TdcMemo(QWidget* parent = nullptr);
    ~TdcMemo() override;

    TDataControl* DataControl() const { return FBRel->BRDataControl; }
    void setDataControl(TDataControl* dc) { FBRel->BRDataControl = dc; }
    const QString& URtext() const { return FBRel->BRURtext; }
    void setURtext(const QString& texte) { FBRel->BRURtext = texte; }
    bool RefuserSaisieMult() const { return FRefuserSaisieMult; }
    void setRefuserSaisieMult(bool refuser) { FRefuserSaisieMult = refuser; }

    void AfficherValeur(const QString& value) { FBRel->AfficherValeur(value); }
    void LireValeur(QString& value);

    bool AffichageMultiple() const { return FBRel->AffichageMultiple(); }
    TdcBaseRelais& Relais() { return *FBRel; }

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
    std::unique_ptr<TdcBaseRelais> FBRel;
};
