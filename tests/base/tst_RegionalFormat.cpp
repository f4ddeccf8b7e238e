#include "base/core/RegionalFormat.h"
#include "base/core/Rounding.h"
#include "base/core/ValueReader.h"
#include "support/TestRegistry.h"
#include "support/TestSupport.h"

#include <QtTest>

using namespace plk;

class TestRegionalFormat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void localeWords()
    {
        QCOMPARE(test::french().decimalSeparator(), QChar(','));
        QCOMPARE(test::french().trueWord(), QStringLiteral("Vrai"));
        QCOMPARE(test::french().falseWord(), QStringLiteral("Faux"));
        QCOMPARE(test::english().decimalSeparator(), QChar('.'));
        QCOMPARE(test::english().trueWord(), QStringLiteral("True"));
        QCOMPARE(RegionalFormat::forLocale("de_DE.UTF-8").trueWord(), QStringLiteral("Wahr"));
        QCOMPARE(RegionalFormat::forLocale("de_DE.UTF-8").decimalSeparator(), QChar(','));
        QCOMPARE(RegionalFormat::forLocale("C").falseWord(), QStringLiteral("False"));
        QCOMPARE(RegionalFormat::forLocale("C.UTF-8").decimalSeparator(), QChar('.'));
    }

    void systemFollowsEnvironmentOrder()
    {
        const QByteArray all = qgetenv("LC_ALL"), numeric = qgetenv("LC_NUMERIC"), lang = qgetenv("LANG");
        qunsetenv("LC_ALL");
        qputenv("LC_NUMERIC", "fr_FR.UTF-8");
        qputenv("LANG", "en_GB.UTF-8");
        QCOMPARE(RegionalFormat::system().decimalSeparator(), QChar(','));
        qputenv("LC_ALL", "en_US.UTF-8");
        QCOMPARE(RegionalFormat::system().decimalSeparator(), QChar('.'));
        qputenv("LC_ALL", all);
        qputenv("LC_NUMERIC", numeric);
        qputenv("LANG", lang);
    }

    void realsAreShortest()
    {
        const RegionalFormat fr = test::french();
        QCOMPARE(fr.formatReal(85.5), QStringLiteral("85,5"));
        QCOMPARE(fr.formatReal(50), QStringLiteral("50"));
        QCOMPARE(fr.formatReal(-2.25), QStringLiteral("-2,25"));
        QCOMPARE(test::english().formatReal(0.1 + 0.2), QStringLiteral("0.3"));
        QCOMPARE(fr.formatReal(10.5f, 7), QStringLiteral("10,5"));
        QCOMPARE(fr.formatReal(double(85.45f), 7), QStringLiteral("85,45"));
        QCOMPARE(fr.formatReal(1234567.0), QStringLiteral("1234567"));
        // Never an exponent, and a tiny value keeps its digits instead of becoming 0.
        QCOMPARE(fr.formatReal(1.25e-5), QStringLiteral("0,0000125"));
        QCOMPARE(fr.formatReal(1e-20), QStringLiteral("0,00000000000000000001"));
        QCOMPARE(fr.parseReal(fr.formatReal(1e-300)), std::optional<double>(1e-300));
        QCOMPARE(fr.formatReal(1e16), QStringLiteral("10000000000000000"));
    }

    void readingAcceptsBothSeparatorsAndAllWords()
    {
        const RegionalFormat en = test::english();
        QCOMPARE(*en.parseReal("12,5"), 12.5);
        QCOMPARE(*en.parseReal(" 12.5 "), 12.5);
        QCOMPARE(*test::french().parseReal("12.5"), 12.5);
        QVERIFY(!en.parseReal("1.234,5"));
        QVERIFY(!en.parseReal(""));
        QVERIFY(!en.parseReal("abc"));
        QCOMPARE(*en.parseBool("Vrai"), true);
        QCOMPARE(*en.parseBool("faux"), false);
        QCOMPARE(*test::french().parseBool("True"), true);
        QCOMPARE(*en.parseBool("-1"), true);
        QCOMPARE(*en.parseBool("0"), false);
        QCOMPARE(*en.parseBool("Onwaar"), false);
        QVERIFY(!en.parseBool("peut-être"));
    }

    void roundingHalvesToEven()
    {
        QCOMPARE(roundHalfEven(12.5), 12.0);
        QCOMPARE(roundHalfEven(13.5), 14.0);
        QCOMPARE(roundHalfEven(-2.5), -2.0);
        QCOMPARE(roundHalfEven(0.5), 0.0);
        QCOMPARE(roundHalfEven(85.01), 85.0);
        const RegionalFormat fr = test::french();
        const ValueReader values(fr);
        QCOMPARE(values.integer<std::int16_t>("10,5"), std::int16_t(10));
        QCOMPARE(values.colour("-2147483643"), OleColor(0x80000005u));
        QVERIFY_THROWS_EXCEPTION(FormatError, values.integer<std::int16_t>("40000"));
        QVERIFY_THROWS_EXCEPTION(FormatError, values.boolean("x"));
    }
};

PLK_TEST_CLASS(TestRegionalFormat)
#include "tst_RegionalFormat.moc"
