#pragma once

#include <QString>
#include <QStringList>

// Style sheet writer.
// Collects CSS rules and writes them as one <style> element. Each rule is held
// as its selector followed, for each property, by TAB, "name: value"; the first
// definition of a selector stays.
class TStyleSheet {
public:
    void InitStyles();
    // data: declarations such as "font-weight:bold; background-color: #92D050".
    void AjouterStyle(const QString& nomstyle, const QString& data);
    QString HTML() const;

    const QStringList& Styles() const { return styles; }

private:
    QStringList styles;
};
