#pragma once

#include <QString>
#include <map>

// The text values that every form of the application keeps between two runs,
// held once for all of them. A key is a form key, a TAB and a value name
// (CleValeur); keys are compared ignoring case and keep the spelling they were
// first given. Iteration is in key order, the order of the INI file.
class SettingsStore {
public:
    struct KeyLess {
        bool operator()(const QString& a, const QString& b) const
        {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        }
    };
    using Entries = std::map<QString, QString, KeyLess>;

    // Empty when absent.
    QString value(const QString& key) const;
    bool contains(const QString& key) const { return entries_.count(key) != 0; }
    void setValue(const QString& key, const QString& value);
    void clear() { entries_.clear(); }

    const Entries& entries() const { return entries_; }

private:
    Entries entries_;
};

// The key of a form's value: form key + TAB + value name.
QString CleValeur(const QString& formKey, const QString& valueName);
