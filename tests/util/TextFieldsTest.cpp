#include "util/Errors.h"
#include "util/TextFields.h"

#include <gtest/gtest.h>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>

TEST(ExtraireChamp, TakesFieldsOffTheFront)
{
    QString s = QStringLiteral("a\t\tb");
    EXPECT_EQ(ExtraireChampTab(s), QStringLiteral("a"));
    EXPECT_EQ(ExtraireChampTab(s), QString());
    EXPECT_EQ(ExtraireChampTab(s), QStringLiteral("b"));
    EXPECT_TRUE(s.isEmpty());
    EXPECT_EQ(ExtraireChampTab(s), QString());

    QString noDelimiter = QStringLiteral("abc");
    EXPECT_EQ(ExtraireChamp(noDelimiter, QStringLiteral(";")), QStringLiteral("abc"));
    EXPECT_TRUE(noDelimiter.isEmpty());

    QString lines = QStringLiteral("un\rdeux\r\ntrois");
    EXPECT_EQ(ExtraireLigne(lines), QStringLiteral("un\rdeux")); // a lone CR is no line end
    EXPECT_EQ(lines, QStringLiteral("trois"));

    QString words = QStringLiteral("mot  \t suite");
    EXPECT_EQ(ExtraireMot(words), QStringLiteral("mot"));
    EXPECT_EQ(words, QStringLiteral("suite"));
}

// Short separators are looked for by their first character: texts dense in
// lone CR, LF and TAB characters are cut exactly where the general search cuts.
TEST(ExtraireChamp, CutsShortSeparatorsWhereTheGeneralSearchDoes)
{
    std::mt19937 alea(1210);
    const char16_t lettres[] = {u'\r', u'\n', u'\t', u'a', u'\u00e9'};
    for (const QString& separateur : {QStringLiteral("\r\n"), QStringLiteral("\t"), QStringLiteral("\n\r"), QStringLiteral("aa")}) {
        for (int essai = 0; essai < 500; ++essai) {
            QString texte;
            for (int i = int(alea() % 12); i > 0; --i)
                texte += QChar(lettres[alea() % std::size(lettres)]);
            QString reste = texte;
            const QString champ = ExtraireChamp(reste, separateur);
            const qsizetype at = texte.indexOf(separateur);
            SCOPED_TRACE(texte.toUtf8().toPercentEncoding().toStdString());
            EXPECT_EQ(champ, at < 0 ? texte : texte.left(at));
            EXPECT_EQ(reste, at < 0 ? QString() : texte.mid(at + separateur.size()));
        }
    }
}

TEST(LireReelTab, IsLenientAndUsesThePoint)
{
    const struct {
        const char16_t* field;
        double expected;
    } cases[] = {
        {u"1,5", 0}, {u"", 0}, {u"abc", 0}, {u"  2.5  ", 2.5}, {u"1E-5", 0.00001}, {u"-3e2", -300},
        {u"+.5", 0.5}, {u"5.", 5}, {u"1e", 0}, {u"2.5x", 0}, {u"1e999", 0},
    };
    for (const auto& c : cases) {
        QString s = QString::fromUtf16(c.field) + QStringLiteral("\tsuite");
        EXPECT_DOUBLE_EQ(LireReelTab(s), c.expected) << QString::fromUtf16(c.field).toStdString();
        EXPECT_EQ(s, QStringLiteral("suite"));
    }
    QString empty;
    EXPECT_EQ(LireReelTab(empty), 0.0);
}

TEST(LireEntier, ReadsLinesAndFields)
{
    QString s = QStringLiteral("3\r\nreste");
    EXPECT_EQ(LireEntierLigne(s), 3);
    EXPECT_EQ(s, QStringLiteral("reste"));
    QString bad = QStringLiteral("3.5\t-7\t99999999999\t");
    EXPECT_EQ(LireEntierTab(bad), 0);
    EXPECT_EQ(LireEntierTab(bad), -7);
    EXPECT_EQ(LireEntierTab(bad), 0);
    QString none;
    EXPECT_EQ(LireEntierLigne(none), 0);
}

TEST(PosNumAndChampNumero, FollowTheirEdges)
{
    EXPECT_EQ(PosNum(0, QStringLiteral("5_1"), QStringLiteral("_")), 1);
    EXPECT_EQ(PosNum(1, QStringLiteral("5_1"), QStringLiteral("_")), 3);
    EXPECT_EQ(PosNum(2, QStringLiteral("5_1"), QStringLiteral("_")), 0);
    EXPECT_EQ(PosNum(0, QString(), QStringLiteral("_")), 0);
    EXPECT_EQ(PosNum(2, QStringLiteral("a::b::c"), QStringLiteral("::")), 7);
    try {
        PosNum(-1, QStringLiteral("x"), QStringLiteral("_"));
        FAIL() << "a negative index must fail";
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("PosNum : index négatif"));
    }

    EXPECT_EQ(ChampNumero(1, QStringLiteral("5_1"), QStringLiteral("_")), QStringLiteral("1"));
    EXPECT_EQ(ChampNumero(0, QStringLiteral("5_1"), QStringLiteral("_")), QStringLiteral("5"));
    EXPECT_EQ(ChampNumero(1, QStringLiteral("3"), QStringLiteral("_")), QString());
    EXPECT_EQ(ChampNumero(0, QString(), QStringLiteral("_")), QString());
    EXPECT_EQ(ChampNumero(1, QStringLiteral("a__b"), QStringLiteral("_")), QString());
    EXPECT_EQ(ChampNumero(2, QStringLiteral("a__b"), QStringLiteral("_")), QStringLiteral("b"));
}

namespace {
QString delimiter(const QString& letter) { return QStringLiteral("< délimstr ") + letter + QStringLiteral(" >"); }
} // namespace

TEST(BlocDelimite, ChoosesAFreeDelimiterAndReadsBack)
{
    const QString a = delimiter(QStringLiteral("A"));
    EXPECT_EQ(BlocDelimite(QString()), a + kCrLf + a + kCrLf);
    QString emptyBlock = BlocDelimite(QString()) + QStringLiteral("suite");
    EXPECT_EQ(ExtraireBloc(emptyBlock), QString());
    EXPECT_EQ(emptyBlock, QStringLiteral("suite"));

    const QString holdsA = QStringLiteral("x ") + a + QStringLiteral(" y\r\n");
    EXPECT_TRUE(BlocDelimite(holdsA).startsWith(delimiter(QStringLiteral("B")) + kCrLf));

    QString all;
    for (char16_t l = u'A'; l <= u'Z'; ++l)
        all += delimiter(QString(QChar(l)));
    EXPECT_TRUE(BlocDelimite(all).startsWith(delimiter(QStringLiteral("_A")) + kCrLf));

    for (const QString& carried : {holdsA, all, QStringLiteral("sans fin de ligne"), QStringLiteral("a\r\n\r\n")}) {
        QString stream = BlocDelimite(carried) + QStringLiteral("après");
        EXPECT_EQ(ExtraireBloc(stream), carried);
        EXPECT_EQ(stream, QStringLiteral("après"));
    }

    QString unclosed = a + kCrLf + QStringLiteral("le reste\r\nsans fin");
    EXPECT_EQ(ExtraireBloc(unclosed), QStringLiteral("le reste\r\nsans fin"));
    EXPECT_TRUE(unclosed.isEmpty());
}

TEST(NettoyerTexte, LeavesOneLineOfAnsiText)
{
    EXPECT_EQ(NettoyerTexte(QStringLiteral("a\tb\r\nc")), QStringLiteral("a b  c"));
    EXPECT_EQ(NettoyerTexte(QStringLiteral("été €")), QStringLiteral("été €"));
    EXPECT_EQ(NettoyerTexte(QStringLiteral("α")), QStringLiteral("?"));
    EXPECT_EQ(NettoyerTexte(QString::fromUtf8("\xF0\x9F\x98\x80")), QStringLiteral("?"));
}

TEST(TexteReel, WritesFifteenSignificantDigits)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.45, "0.45"}, {2, "2"}, {1.0 / 3, "0.333333333333333"}, {0.00001, "1E-5"}, {1e15, "1E15"},
        {0.0001, "0.0001"}, {-2.5, "-2.5"}, {0, "0"}, {123456789012345, "123456789012345"},
        {1.5e-7, "1.5E-7"}, {-1.25e20, "-1.25E20"}, {0.1 + 0.2, "0.3"}, {2000, "2000"},
        {0.523598775598299, "0.523598775598299"}, {99999999999999.99, "100000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TexteReel(c.value), QString::fromLatin1(c.text)) << c.text;
    for (const double v : {0.1, 1.0 / 7, 12345.678901234, -9.87654321e-3, 6.02214076e23}) {
        const auto back = LireNombre(TexteReel(v));
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(*back, v, std::fabs(v) * 1e-14);
    }
}

namespace {

// Switches the C library's numbers to a locale whose decimal separator is a
// comma, as a French user's system has, and restores the previous one.
class LocaleVirgule {
public:
    LocaleVirgule() : previous_(std::setlocale(LC_NUMERIC, nullptr))
    {
        for (const char* name : {"fr_FR.UTF-8", "fr_FR.utf8", "fr_FR", "de_DE.UTF-8", "de_DE.utf8", "fr_FR@euro"})
            if (std::setlocale(LC_NUMERIC, name) && *std::localeconv()->decimal_point == ',')
                return;
        std::setlocale(LC_NUMERIC, previous_.c_str());
        previous_.clear();
    }
    ~LocaleVirgule()
    {
        if (installed())
            std::setlocale(LC_NUMERIC, previous_.c_str());
    }
    bool installed() const { return !previous_.empty(); }

private:
    std::string previous_;
};

} // namespace

// Whole numbers below 1E15 are written digit for digit; from 1E15 on, and for
// every other value, the fifteen significant digits decide.
TEST(TexteReel, WritesWholeNumbersDigitForDigitOnlyBelow1E15)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1, "1"}, {-1, "-1"}, {-0.0, "0"}, {-200, "-200"}, {999999999999999, "999999999999999"},
        {-999999999999999, "-999999999999999"}, {1e14, "100000000000000"}, {-1e15, "-1E15"},
        {1000000000000002.0, "1E15"}, {4503599627370497.0, "4.5035996273705E15"}, {2200.5, "2200.5"},
        {-0.5, "-0.5"}, {1e-5, "1E-5"}, {123456.000001, "123456.000001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TexteReel(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(TexteReel, KeepsThePointUnderACommaLocale)
{
    LocaleVirgule virgule;
    if (!virgule.installed())
        GTEST_SKIP() << "no locale with a decimal comma is installed on this machine";
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {2.5, "2.5"}, {1, "1"}, {1.0 / 3, "0.333333333333333"}, {1.5e-7, "1.5E-7"}, {-1.25e20, "-1.25E20"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TexteReel(c.value), QString::fromLatin1(c.text)) << c.text;
    EXPECT_EQ(V2RVersTexte({1, 0.5}), QStringLiteral("1\t0.5\t"));
    EXPECT_EQ(LireNombre(u"2.5"), 2.5);
    EXPECT_EQ(LireNombre(u"2,5"), std::nullopt);
}

TEST(V2R, WritesTwoTabEndedFieldsAndReadsStrictly)
{
    EXPECT_EQ(V2RVersTexte({1, 0.5}), QStringLiteral("1\t0.5\t"));
    QString good = QStringLiteral("1\t-2.5\treste");
    TV2R v{};
    TexteVersV2R(good, v);
    EXPECT_EQ(v, (TV2R{1, -2.5}));
    EXPECT_EQ(good, QStringLiteral("reste"));

    QString bad = QStringLiteral("1\t\t");
    TV2R w{7, 7};
    EXPECT_THROW(TexteVersV2R(bad, w), EConvertError);
    EXPECT_EQ(w[0], 1);
    EXPECT_EQ(w[1], 7);
    EXPECT_EQ(bad, QString());
}

// EstTexteReel must answer exactly as comparing with TexteReel would, for the
// texts a file may hold (written by us, by hand or by another tool) and for
// values that are and are not the ones those texts stand for.
TEST(EstTexteReel, AnswersAsTheWrittenTextWould)
{
    const char* textes[] = {
        "0", "-0", "0.0", "00", "+1", "1", "-1", "01", "1.", ".5", "0.5", "-0.5", "1.50", "1.5", "12.25",
        "0.0001", "0.00012", "0.00001", "1E-5", "1e-5", "1E+3", "1000", "1E3", "123456789012345",
        "1234567890123456", "999999999999999", "1000000000000000", "1E15", "0.123456789012345",
        "0.1234567890123456", "0.000123456789012345", "123456.789012345", "123456.7890123456", "3.14159265358979",
        "-2.71828182845905", " 1", "1 ", "1,5", "abc", "", "NAN", "INF", "-INF", "-", "1.5.2", "2e", "0.30000000000000004",
        "9007199254740993", "1.7976931348623157E308", "4.94065645841247E-324", "99999999999999.9", "0.1", "-0.0001",
    };
    for (const char* t : textes) {
        const QString texte = QString::fromLatin1(t);
        const double lu = LireNombre(texte).value_or(0.0);
        for (const double valeur : {lu, std::nextafter(lu, 1e300), std::nextafter(lu, -1e300), -lu, 0.0, 1.0})
            EXPECT_EQ(EstTexteReel(texte, valeur), texte == TexteReel(valeur)) << t << " " << valeur;
    }
    // Values of every magnitude, written by TexteReel, are recognised; their
    // neighbours are recognised exactly when they are written the same.
    std::uint64_t graine = 42;
    for (int i = 0; i < 20000; ++i) {
        graine = graine * 6364136223846793005u + 1442695040888963407u;
        const double mantisse = double(graine >> 11) / double(1ull << 53);
        const int exposant = int((graine >> 3) % 40) - 20;
        const int chiffres = int(graine % 17);
        double valeur = std::ldexp(mantisse, exposant * 3);
        if (chiffres < 15) // a value typed with few digits, as most are
            valeur = std::round(valeur * std::pow(10.0, chiffres)) / std::pow(10.0, chiffres);
        if (graine & 4)
            valeur = -valeur;
        const QString texte = TexteReel(valeur);
        EXPECT_TRUE(EstTexteReel(texte, valeur)) << texte.toStdString();
        // Read back as the standard library reads it, to the last bit.
        const std::string ascii = texte.toStdString();
        double attendu = 0;
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), attendu);
        EXPECT_EQ(LireNombre(texte), attendu) << ascii;
        const double voisin = std::nextafter(valeur, 1e300);
        EXPECT_EQ(EstTexteReel(texte, voisin), texte == TexteReel(voisin)) << texte.toStdString();
    }
}

TEST(EstTexteNettoye, AnswersAsTheCleanedTextWould)
{
    for (const QString& texte : {QString(), QStringLiteral("pile nord"), QStringLiteral("a\tb"), QStringLiteral("été €"),
                                 QStringLiteral("α"), QStringLiteral("fin\r"), QStringLiteral("~\x7F")})
        EXPECT_EQ(EstTexteNettoye(texte), texte == NettoyerTexte(texte)) << texte.toStdString();
}
