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

        for (int unknown : {0, -1, 9999})
            QVERIFY(LoadBitmap(unknown).isNull());
    }

    // Menu 142 by id and by name, in any case; the bytes of a standard
    // template, where a pop-up item carries no command id.
    void menuTemplates_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray mainMenu = Words({0, 0}) + Words({MenuString, kCommandOpen}) + Utf16z("OPEN") +
                                    Words({MenuString, kCommandSave}) + Utf16z("SAVE") +
                                    Words({MenuEnd, kCommandSendAll}) + Utf16z("SEND ALL");
        QTest::newRow("main menu by id") << LoadMenuTemplate(kMainMenu) << mainMenu;
        QTest::newRow("by name") << LoadMenuTemplate(QStringLiteral("MENUE")) << mainMenu;
        QTest::newRow("by name in lower case") << LoadMenuTemplate(QStringLiteral("menue")) << mainMenu;
        QTest::newRow("unknown id") << LoadMenuTemplate(141) << QByteArray();
        QTest::newRow("unknown name") << LoadMenuTemplate(QStringLiteral("MENU")) << QByteArray();
        QTest::newRow("pop-up")
            << EncodeMenuTemplate({{MenuPopup, 7, QStringLiteral("P")}, {MenuEnd, 8, QStringLiteral("I")}})
            << Words({0, 0}) + Words({MenuPopup}) + Utf16z("P") + Words({MenuEnd, 8}) + Utf16z("I");
    }

    void menuTemplates()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, expected);
        QCOMPARE(bytes, expected);
    }
};

QTEST_APPLESS_MAIN(ResourcesTest)
#include "ResourcesTest.moc"
