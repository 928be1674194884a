#include <QtTest>

#include "res/Bitmaps.h"
#include "res/MenuFlags.h"
#include "res/MenuTemplates.h"
#include "res/ResourceIds.h"

using namespace velnar::res;

namespace {

constexpr QRgb kMagenta = qRgb(255, 0, 255);

QByteArray Words(std::initializer_list<unsigned> words)
{
    QByteArray bytes;
    for (unsigned word : words) {
        bytes.append(static_cast<char>(word & 0xFF));
        bytes.append(static_cast<char>(word >> 8));
    }
    return bytes;
}

QByteArray Utf16z(const char* text)
{
    QByteArray bytes;
    for (const char* c = text; *c; ++c)
        bytes += Words({static_cast<unsigned char>(*c)});
    return bytes + Words({0});
}

}  // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void sendButtonBitmapIsA66By16GlyphOnMagenta()
    {
        const QImage bitmap = LoadBitmap(kSendButtonBitmap);
        QCOMPARE(bitmap.size(), QSize(66, 16));
        QCOMPARE(bitmap.depth(), 32);

        QRect glyph;
        for (int y = 0; y < bitmap.height(); ++y) {
            for (int x = 0; x < bitmap.width(); ++x) {
                if ((bitmap.pixel(x, y) | 0xFF000000) != kMagenta)
                    glyph |= QRect(x, y, 1, 1);
            }
        }
        // Magenta all around a glyph that fills a fair part of the face.
        QVERIFY(bitmap.rect().adjusted(1, 1, -1, -1).contains(glyph));
        QVERIFY(glyph.width() > bitmap.width() / 2);
        QVERIFY(glyph.height() > bitmap.height() / 2);
    }

    void unknownBitmapIsNull()
    {
        QVERIFY(LoadBitmap(0).isNull());
        QVERIFY(LoadBitmap(-1).isNull());
        QVERIFY(LoadBitmap(9999).isNull());
    }

    void mainMenuIsAStandardTemplateFoundByIdOrName()
    {
        const QByteArray expected = Words({0, 0}) + Words({MenuString, kCommandOpen}) + Utf16z("OPEN") +
                                    Words({MenuString, kCommandSave}) + Utf16z("SAVE") +
                                    Words({MenuEnd, kCommandSendAll}) + Utf16z("SEND ALL");
        QCOMPARE(LoadMenuTemplate(kMainMenu), expected);
        QCOMPARE(LoadMenuTemplate(QStringLiteral("MENUE")), expected);
        QCOMPARE(LoadMenuTemplate(QStringLiteral("menue")), expected);
    }

    void unknownMenuTemplateIsEmpty()
    {
        QVERIFY(LoadMenuTemplate(141).isEmpty());
        QVERIFY(LoadMenuTemplate(QStringLiteral("MENU")).isEmpty());
    }

    void popUpItemsCarryNoCommandId()
    {
        const QByteArray bytes = EncodeMenuTemplate({{MenuPopup, 7, QStringLiteral("P")},
                                                     {MenuEnd, 8, QStringLiteral("I")}});
        QCOMPARE(bytes, Words({0, 0}) + Words({MenuPopup}) + Utf16z("P") + Words({MenuEnd, 8}) + Utf16z("I"));
    }
};

QTEST_APPLESS_MAIN(ResourcesTest)
#include "ResourcesTest.moc"
