#include "editing/gui/DcMemo.h"

#include "editing/DataControl.h"
#include "util/Errors.h"
#include "util/PlatformServices.h"

#include <QApplication>
#include <QTextDocument>

TdcMemo::TdcMemo(QWidget* parent) : QPlainTextEdit(parent), TdcFacadeRelais(static_cast<QWidget&>(*this))
{
    FBRel->BROnAfficherCdS = [this](bool multiaff, const QString& value, bool) { Montrer(multiaff, value); };
    FBRel->BROnLireCdS = [this](QString& value) { value = Contenu(); };
    FBRel->BROnLireEtatCdS = [this](bool& changed) { changed = Contenu() != savAff; };
    // What is typed counts for the commands at once (Ctrl+S saves it).
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (TDataControl* dc = DataControl())
            dc->SignalerSaisie();
    });
}

TdcMemo::~TdcMemo() = default;

void TdcMemo::LireValeur(QString& value)
{
    QString copie = value;
    if (FBRel->LireValeur(copie))
        value = copie;
}

QString TdcMemo::Contenu() const
{
    // The raw text keeps every character (the plain text would turn
    // non-breaking spaces into spaces); blocks end with CR LF as in the files,
    // and so do the line breaks typed with Shift+Enter inside a block.
    QString texte = document()->toRawText();
    texte.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    texte.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return texte;
}

void TdcMemo::Montrer(bool multiaff, const QString& value)
{
    QString affiche = value;
    affiche.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QPlainTextEdit::setPlainText(affiche);
    // What the memo holds once shown is the reference of the state test: a
    // text whose line breaks the memo writes differently is not a change.
    savAff = Contenu();
    setReadOnly(multiaff && FRefuserSaisieMult);
    QPalette couleurs = palette();
    couleurs.setColor(QPalette::Base, multiaff ? QColor(255, 0, 0) : QApplication::palette(this).color(QPalette::Base));
    setPalette(couleurs);
}

void TdcMemo::AccesInterdit() const
{
    throw ETolvane(objectName() + QStringLiteral(" : l'accès à la propriété Lines est interdit"));
}

QString TdcMemo::Text() const { AccesInterdit(); }
void TdcMemo::setText(const QString&) { AccesInterdit(); }
QStringList TdcMemo::Lines() const { AccesInterdit(); }
void TdcMemo::setLines(const QStringList&) { AccesInterdit(); }

void TdcMemo::insertFromMimeData(const QMimeData* source)
{
    QPlainTextEdit::insertFromMimeData(source);
    // A paste is recorded at once, as its own step.
    if (TDataControl* dc = DataControl()) {
        try {
            dc->EnregistrerChangements();
        } catch (const ETolvane& e) {
            services().showMessage(e.message(), PlatformServices::Icon::Error);
        }
    }
}
