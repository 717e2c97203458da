#include "util/TextFields.h"

#include "util/AnsiCodePage.h"
#include "util/Errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const QString kBlockPrefix = QStringLiteral("< délimstr ");

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// S.indexOf(d) for a separator of one or two characters (a line end, a tab):
// looking for its first character alone is much faster than the general
// search, and every line and field of a document is found this way.
qsizetype indexOfCourt(const QString& S, const QString& d)
{
    const QChar premier = d.front();
    for (qsizetype at = S.indexOf(premier); at >= 0; at = S.indexOf(premier, at + 1))
        if (d.size() == 1 || (at + 1 < S.size() && S[at + 1] == d[1]))
            return at;
    return -1;
}

} // namespace

QStringView SansBlancs(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

QString ExtraireChamp(QString& S, const QString& d)
{
    const qsizetype at = d.isEmpty() ? -1 : d.size() <= 2 ? indexOfCourt(S, d) : S.indexOf(d);
    if (at < 0) {
        QString all = S;
        S.clear();
        return all;
    }
    QString field = S.left(at);
    S.remove(0, at + d.size());
    return field;
}

QString ExtraireLigne(QString& S) { return ExtraireChamp(S, kCrLf); }

QString ExtraireChampTab(QString& S) { return ExtraireChamp(S, kTab); }

QString ExtraireMot(QString& S)
{
    QString word = ExtraireChamp(S, QStringLiteral(" "));
    qsizetype n = 0;
    while (n < S.size() && S[n].unicode() <= 32)
        ++n;
    S.remove(0, n);
    return word;
}

namespace {

// The value of texte when it is in the form TexteReel gives the number it
// stands for: "0", or an optional minus, then digits without a leading zero
// (or a lone 0 before the point), then an optional point and digits ending in
// a non-zero one, 15 significant digits at most, the first of them no further
// than the fourth decimal place. Any other form gives nothing.
//
// Such a decimal is read exactly: its digits make a whole number below 10^15
// and its decimal places a power of ten up to 10^18, both exact doubles, whose
// quotient is the double nearest the decimal. Written again with 15
// significant digits, that double gives back the same digits, and TexteReel
// the same text.
std::optional<double> ValeurFormeUsuelle(QStringView texte)
{
    // Exact doubles up to 10^22; at most 18 decimal places reach here.
    static constexpr double kPuissancesDeDix[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (texte == u"0")
        return 0.0;
    qsizetype i = 0;
    const bool negatif = i < texte.size() && texte[i] == u'-';
    if (negatif)
        ++i;
    std::uint64_t chiffres = 0;
    int significatifs = 0;
    int decimales = 0;
    const qsizetype debutEntier = i;
    while (i < texte.size() && isDigit(texte[i])) {
        if (significatifs > 0 || texte[i] != u'0')
            ++significatifs;
        if (significatifs > 15)
            return std::nullopt;
        chiffres = chiffres * 10 + (texte[i].unicode() - u'0');
        ++i;
    }
    const qsizetype longueurEntier = i - debutEntier;
    if (longueurEntier == 0 || (longueurEntier > 1 && texte[debutEntier] == u'0'))
        return std::nullopt;
    const bool entierNul = texte[debutEntier] == u'0';
    if (i < texte.size()) {
        if (texte[i] != u'.')
            return std::nullopt;
        ++i;
        int zerosDeTete = 0;
        while (i < texte.size() && isDigit(texte[i])) {
            if (significatifs > 0 || texte[i] != u'0')
                ++significatifs;
            else
                ++zerosDeTete;
            chiffres = chiffres * 10 + (texte[i].unicode() - u'0');
            ++decimales;
            if (significatifs > 15)
                return std::nullopt;
            ++i;
        }
        // No trailing zero, no empty fraction, and a value below 1 written
        // without exponent only down to 0.0001.
        if (i != texte.size() || decimales == 0 || texte[i - 1] == u'0' || (entierNul && zerosDeTete > 3))
            return std::nullopt;
    } else if (entierNul) {
        return std::nullopt; // "-0"
    }
    if (significatifs > 15)
        return std::nullopt;
    const double valeur = double(chiffres) / kPuissancesDeDix[decimales];
    return negatif ? -valeur : valeur;
}

} // namespace

std::optional<double> LireNombre(QStringView field)
{
    const QStringView s = SansBlancs(field);
    // Most fields are in the written form, read exactly without a copy.
    if (const std::optional<double> usuelle = ValeurFormeUsuelle(s))
        return usuelle;
    std::string ascii;
    ascii.reserve(std::size_t(s.size()));
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        negative = s[i++] == u'-';
    int mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ascii.push_back(char(s[i++].unicode()));
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == u'.') {
        ascii.push_back('.');
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ascii.push_back(char(s[i++].unicode()));
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        ascii.push_back('e');
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            ascii.push_back(char(s[i++].unicode()));
        int exponentDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            ascii.push_back(char(s[i++].unicode()));
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != s.size())
        return std::nullopt;
    if (ascii.front() == '.')
        ascii.insert(ascii.begin(), '0');
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> LireEntier(QStringView field)
{
    const QStringView s = SansBlancs(field);
    std::string ascii;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-')
            ascii.push_back('-');
        ++i;
    }
    if (i == s.size())
        return std::nullopt;
    for (; i < s.size(); ++i) {
        if (!isDigit(s[i]))
            return std::nullopt;
        ascii.push_back(char(s[i].unicode()));
    }
    int value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    return value;
}

namespace {

// Where the next TAB field of S ends: at its TAB, or at the end of S.
qsizetype FinChampTab(const QString& S)
{
    // A number's field is a few characters long: a plain scan finds its end
    // faster than the general search.
    return std::find(S.begin(), S.end(), u'\t') - S.begin();
}

// Removes the field that ends at fin, with its TAB, from the front of S, as
// ExtraireChampTab does.
void RetirerChampTab(QString& S, qsizetype fin)
{
    if (fin >= S.size())
        S.clear();
    else
        S.remove(0, fin + 1);
}

} // namespace

// The number readers of a section's line read each field where it stands,
// without a string of its own: a document holds twenty-five per section.
double LireReelTab(QString& S)
{
    const qsizetype fin = FinChampTab(S);
    const std::optional<double> nombre = LireNombre(QStringView(S).left(fin));
    RetirerChampTab(S, fin);
    return nombre.value_or(0.0);
}

int LireEntierTab(QString& S) { return LireEntier(ExtraireChampTab(S)).value_or(0); }

int LireEntierLigne(QString& S) { return LireEntier(ExtraireLigne(S)).value_or(0); }

int PosNum(int n, const QString& S, const QString& d)
{
    if (n < 0)
        throw ERangeError(QStringLiteral("PosNum : index négatif"));
    if (S.isEmpty())
        return 0;
    qsizetype pos = 0; // 0-based index just after the last occurrence found
    for (int k = 0; k < n; ++k) {
        const qsizetype at = d.isEmpty() ? -1 : S.indexOf(d, pos);
        if (at < 0)
            return 0;
        pos = at + d.size();
    }
    return int(pos + 1);
}

QString ChampNumero(int i, const QString& S, const QString& d)
{
    if (i < 0)
        return {};
    const int start = PosNum(i, S, d);
    if (start == 0)
        return {};
    const qsizetype begin = start - 1;
    const qsizetype end = d.isEmpty() ? -1 : S.indexOf(d, begin);
    return end < 0 ? S.mid(begin) : S.mid(begin, end - begin);
}

QString BlocDelimite(const QString& T)
{
    QString prefix = kBlockPrefix;
    for (;;) {
        for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
            const QString delimiter = prefix + QChar(letter) + QStringLiteral(" >");
            if (!T.contains(delimiter))
                return delimiter + kCrLf + T + delimiter + kCrLf;
        }
        prefix += u'_';
    }
}

QString ExtraireBloc(QString& S)
{
    const QString delimiter = ExtraireLigne(S);
    return ExtraireChamp(S, delimiter + kCrLf);
}

QString NettoyerTexte(const QString& text)
{
    QString clean = AnsiCodePage::toUnicode(AnsiCodePage::fromUnicode(text));
    for (QChar& c : clean)
        if (c.unicode() < 32)
            c = u' ';
    return clean;
}

bool EstTexteNettoye(QStringView text)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u' ' && c <= u'~'; });
    return ascii || text == NettoyerTexte(text.toString());
}

QString TexteReel(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");
    // Whole numbers below 1E15 have at most 15 digits: they are written as
    // they are, with no point. Most values of a buttress (levels, densities,
    // loads) are, and this text is written again for every checksum.
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return QString::number(static_cast<qint64>(value));

    // 15 significant digits: d.dddddddddddddde±x. std::to_chars always writes
    // a point; the printf family would write the user's decimal comma once the
    // application has taken on the system locale.
    char buffer[32];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer - 1, std::fabs(value), std::chars_format::scientific, 14);
    *written.ptr = '\0';
    char digits[24];
    std::size_t nbDigits = 0;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.')
            digits[nbDigits++] = *p;
    const int exponent = std::atoi(p + 1);
    while (nbDigits > 1 && digits[nbDigits - 1] == '0')
        --nbDigits;

    // At most a sign, 15 digits, a point and 19 zeros, or an exponent.
    char text[48];
    std::size_t n = 0;
    const auto ajouter = [&](const char* debut, std::size_t longueur) {
        std::memcpy(text + n, debut, longueur);
        n += longueur;
    };
    const auto zeros = [&](std::size_t nombre) {
        std::memset(text + n, '0', nombre);
        n += nombre;
    };
    if (value < 0)
        text[n++] = '-';
    if (exponent < -4 || exponent >= 15) {
        text[n++] = digits[0];
        if (nbDigits > 1) {
            text[n++] = '.';
            ajouter(digits + 1, nbDigits - 1);
        }
        text[n++] = 'E';
        n = std::size_t(std::to_chars(text + n, text + sizeof text, exponent).ptr - text);
    } else if (exponent < 0) {
        ajouter("0.", 2);
        zeros(std::size_t(-exponent - 1));
        ajouter(digits, nbDigits);
    } else {
        const std::size_t integerDigits = std::size_t(exponent) + 1;
        if (nbDigits <= integerDigits) {
            ajouter(digits, nbDigits);
            zeros(integerDigits - nbDigits);
        } else {
            ajouter(digits, integerDigits);
            text[n++] = '.';
            ajouter(digits + integerDigits, nbDigits - integerDigits);
        }
    }
    return QString::fromLatin1(text, qsizetype(n));
}


bool EstTexteReel(QStringView texte, double value)
{
    if (const std::optional<double> usuelle = ValeurFormeUsuelle(texte); usuelle && *usuelle == value)
        return true;
    return texte == TexteReel(value);
}

QString V2RVersTexte(const TV2R& v)
{
    return TexteReel(v[0]) + kTab + TexteReel(v[1]) + kTab;
}

void TexteVersV2R(QString& S, TV2R& v)
{
    for (double& component : v) {
        const qsizetype fin = FinChampTab(S);
        const std::optional<double> number = LireNombre(QStringView(S).left(fin));
        if (!number) {
            const QString field = S.left(fin);
            RetirerChampTab(S, fin);
            throw EConvertError(QStringLiteral("'%1' n'est pas une valeur numérique correcte").arg(field));
        }
        RetirerChampTab(S, fin);
        component = *number;
    }
}

QString FinsDeLigneCrLf(const QString& texte)
{
    // A document edited or copied with a Linux tool may end its lines with LF
    // alone: read it as the CR LF text it stands for.
    const auto finLFSeul = [&texte] {
        for (qsizetype at = texte.indexOf(u'\n'); at >= 0; at = texte.indexOf(u'\n', at + 1))
            if (at == 0 || texte[at - 1] != u'\r')
                return true;
        return false;
    };
    if (!finLFSeul())
        return texte;
    QString resultat;
    resultat.reserve(texte.size() + texte.size() / 32);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (texte[i] == u'\n' && (i == 0 || texte[i - 1] != u'\r'))
            resultat += u'\r';
        resultat += texte[i];
    }
    return resultat;
}
