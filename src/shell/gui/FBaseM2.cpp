#include "shell/gui/FBaseM2.h"

#include "shell/DocumentSession.h"

#include <QLabel>

TFBaseM2::TFBaseM2(QWidget* parent)
    : QMainWindow(parent)
{
    auto* empty = new QLabel(this);
    empty->setAlignment(Qt::AlignCenter);
    setCentralWidget(empty);
    resize(1000, 700);
    MajTitre();
}

void TFBaseM2::MajTitre(const QString& documentName)
{
    setWindowTitle(TitreFenetre(documentName));
}
