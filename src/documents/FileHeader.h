#pragma once

#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class QIODevice;

// File header block.
// The block at the head of every document file: a fixed identification line,
// named properties (name=value, one per line) and an empty line. The owner
// reads and writes the body behind it through OnLoad and OnSave.
class TFileHeader {
public:
    // The stream stands on the first byte of the body; data is passed through
    // unchanged from the load or save call.
    using TFHLSevent = std::function<void(QIODevice& FS, void* data)>;

    static const QString kIdentification;
    static const QString kMessageFluxPasEnDebut;

    TFileHeader();

    // Removes every property and takes the checksum of the empty list.
    void Init();

    // Entries "name=value", in file order; values hold BEL instead of line breaks.
    const QStringList& Strings() const { return FSLprop; }

    // The value of the property (letter case of the name ignored), BEL given back
    // as CR LF; empty when there is none.
    QString GetValeur(const QString& nom) const;
    // Line breaks of the value are stored as BEL. A new name is appended, even
    // with an empty value; an existing one is replaced in place, or removed when
    // the value is empty.
    void SetValeur(const QString& nom, const QString& valeur);
    // Replaces every property by these entries ("name=value", BEL for line
    // breaks), in this order. The checksum of the last clean state stays, so
    // the header reads as modified unless the entries are the saved ones.
    void RemplacerProprietes(const QStringList& entrees) { FSLprop = entrees; }

    // The property lines differ from those of the last reset, load or save.
    bool Modified() const;
    // The current properties become the clean state, as after a save.
    void ClearModified() { CRC = ChecksumProprietes(); }

    // The encoding announced by the byte-order mark of the last load, if any.
    std::optional<QStringConverter::Encoding> Codage() const { return FCodage; }

    // Writes the header, then OnSave. The file is replaced only once everything
    // has been written, so a failed save leaves the previous file intact.
    // Throws EInOutError.
    void SaveToFile(const QString& PF, void* data = nullptr);
    // The stream must be at its start; otherwise a message is shown and nothing
    // is written. Throws EInOutError on a failed write.
    void SaveToStream(QIODevice& FS, void* data = nullptr);
    // A missing file does nothing. Throws EInOutError when the file cannot be opened.
    void LoadFromFile(const QString& PF, void* data = nullptr);
    // The stream must be at its start; otherwise a message is shown and nothing
    // is read. Without the identification line, the whole stream is body and the
    // properties stay as they were.
    void LoadFromStream(QIODevice& FS, void* data = nullptr);

    void setOnLoad(TFHLSevent handler) { FOnLoad = std::move(handler); }
    void setOnSave(TFHLSevent handler) { FOnSave = std::move(handler); }

private:
    std::uint32_t ChecksumProprietes() const;
    qsizetype IndexPropriete(const QString& nom) const;

    QStringList FSLprop;
    std::uint32_t CRC = 0;
    std::optional<QStringConverter::Encoding> FCodage;
    TFHLSevent FOnLoad;
    TFHLSevent FOnSave;
};
