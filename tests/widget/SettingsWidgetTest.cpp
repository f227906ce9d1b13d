// Settings in INI files and pictures chosen in the file dialog, offscreen.
#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMetaProperty>
#include <QPalette>
#include <QSettings>

#include "widget/Harness.h"

namespace tesmo {
namespace {

void Pick(TesmoWidget& w, const QString& item) {
    QTimer::singleShot(20, [item] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions())
            if (a->objectName() == item) a->trigger();
        menu->close();
    });
    QTest::mouseClick(w.surface(), Qt::RightButton, {}, QPoint(20, 20));
}

TEST(SettingsWidget, AnIniFileRoundTripsEverySettingAndBadValuesAreSkipped) {
    QTemporaryDir dir;
    const QString path = dir.filePath("controls.ini");
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    {
        TesmoWidget w;
        ucTesmo& c = w.control();
        c.setPicture(TesmoWidget::pictureFromImage(image));
        c.setFont({"DejaVu Serif", 10.5f, true, true, false, true});
        c.setTitle("Rain, 2026");
        c.setBaseStep(12.25f);
        c.setTrackColor(0x123456);
        c.setTextColor(2000000);
        QSettings settings(path, QSettings::IniFormat);
        settings.beginGroup("map1");
        w.writeProperties(settings);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("[map1]"));
    EXPECT_TRUE(text.contains("BaseStep=12.25"));
    EXPECT_TRUE(text.contains("TextColor=2000000")) << "plain decimals, for a person who edits the file";
    EXPECT_TRUE(text.contains("Font=DejaVu Serif|10.5|bold|italic|strikeout"));
    for (const char* key : {"Delay=", "UnitX=", "MinX=", "MapStyle="})
        EXPECT_FALSE(text.contains(key)) << key << ": a value equal to its default is left out";

    TesmoWidget loaded;
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup("map1");
    loaded.readProperties(settings);
    ucTesmo& c = loaded.control();
    EXPECT_EQ(c.BaseStep(), 12.25f);
    EXPECT_EQ(c.Title(), "Rain, 2026");
    EXPECT_EQ(c.Font(), (Font{"DejaVu Serif", 10.5f, true, true, false, true}));
    EXPECT_EQ(c.Picture().widthPixels(), 8);
    EXPECT_EQ(Shot(loaded).pixelColor(2, 2), QColor(10, 200, 30));

    // A font set the Qt way is the control's own, not the container's, and is saved too.
    for (const bool asProperty : {false, true}) {
        QSettings qtWay(dir.filePath("qt.ini"), QSettings::IniFormat);
        {
            TesmoWidget w;
            const QFont font("DejaVu Serif", 14);
            asProperty ? void(w.setProperty("Font", font)) : w.setFont(font);
            w.writeProperties(qtWay);
        }
        TesmoWidget back;
        back.readProperties(qtWay);
        EXPECT_EQ(back.control().Font().Name, "DejaVu Serif") << asProperty;
    }

    // A file edited by hand: what cannot be read is skipped, the rest loads.
    settings.setValue("BackColor", "red");
    settings.setValue("Picture", "not a picture");
    settings.setValue("Font", "|||");
    settings.setValue("TitleColor", "255");
    settings.setValue("Title", QStringList{"Rain", " 2026"});  // how an INI file reads Title=Rain, 2026
    TesmoWidget edited;
    edited.readProperties(settings);
    EXPECT_EQ(edited.control().Title(), "Rain, 2026");
    EXPECT_EQ(edited.control().BackColor(), 0xFFC0C0);
    EXPECT_EQ(edited.control().TitleColor(), 255);
    EXPECT_EQ(edited.control().TrackColor(), 0x123456);

    // A text with commas as a person types it, blanks and all.
    {
        QFile hand(dir.filePath("hand.ini"));
        ASSERT_TRUE(hand.open(QIODevice::WriteOnly));
        hand.write("[map1]\nTitle=Rain ,  2026, dry\n");
    }
    QSettings handEdited(dir.filePath("hand.ini"), QSettings::IniFormat);
    handEdited.beginGroup("map1");
    TesmoWidget fromHand;
    fromHand.readProperties(handEdited);
    EXPECT_EQ(fromHand.control().Title(), "Rain ,  2026, dry");
}

TEST(SettingsWidget, TheSettingsAreTypedQtProperties) {
    // Every setting is writable and tells of its changes; the read-only values do neither.
    TesmoWidget w;
    const QMetaObject* meta = w.metaObject();
    EXPECT_EQ(meta->propertyCount() - meta->propertyOffset(), 42) << "the control's settings and values, no more";
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        EXPECT_EQ(meta->property(i).hasNotifySignal(), meta->property(i).isWritable()) << meta->property(i).name();
    int notified = 0;
    QObject::connect(&w, &TesmoWidget::settingsChanged, [&] { ++notified; });
    EXPECT_TRUE(w.setProperty("TrackColor", QColor(0, 0xAA, 0x10)));
    EXPECT_EQ(w.control().TrackColor(), 0x10AA00) << "red in the low byte";
    EXPECT_EQ(notified, 1);
    // Typed for generic tools: colours as colours (a system colour as it shows now), the
    // styles as enums by name.
    w.control().setBackColor(static_cast<std::int32_t>(0x80000005u));  // the colour of window backgrounds
    EXPECT_EQ(w.property("BackColor").value<QColor>(), QGuiApplication::palette().color(QPalette::Base));
    const QMetaProperty style = meta->property(meta->indexOfProperty("BorderStyle"));
    EXPECT_TRUE(style.isEnumType());
    EXPECT_STREQ(style.enumerator().valueToKey(1), "FixedSingle");
    EXPECT_TRUE(w.setProperty("BorderStyle", "FixedSingle"));
    EXPECT_EQ(w.control().BorderStyle(), enBorderStyle::FixedSingle);
    w.setProperty("Width", -5);
    EXPECT_EQ(w.property("Width").toInt(), 9600) << "a refused value leaves it as it was";
    EXPECT_FALSE(w.setProperty("ControlError", "x")) << "read only";
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    w.setProperty("Picture", image);
    EXPECT_EQ(w.property("Picture").value<QImage>().size(), QSize(3, 2));
}

TEST(SettingsWidget, APictureChosenInTheFileDialogWithAutoSize) {
    QTemporaryDir dir;
    const QString file = dir.filePath("sea map é.bmp");
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(QColor(0, 90, 200));
    ASSERT_TRUE(image.save(file, "BMP"));
    TesmoWidget w;
    w.control().setAutoSize(true);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QString title;
    QStringList filters;
    OnShown<QFileDialog> choose([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);  // without the dialog's own checks of the typed name
    });
    Pick(w, "mnuPicture");
    EXPECT_EQ(title, "Choose image file");
    EXPECT_EQ(filters,
              (QStringList{"Bitmap (*.bmp)", "Immagini JPEG (*.jpg)", "Immagini GIF (*.gif)", "Metafile (*.wmf)",
                           "PNG (*.png)"}));
    EXPECT_EQ(w.size(), QSize(122, 82)) << "the control takes the picture's size";
    EXPECT_EQ(Shot(w).pixelColor(60, 40), QColor(0, 90, 200));
}

// Whether a picture file is whole is told by its structure, not by its last bytes.
TEST(SettingsWidget, PicturesCutOffAreRefusedAndTrailersAccepted) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(200, 120, 40));
    const auto saved = [&](const char* format) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        EXPECT_TRUE(image.save(&buffer, format));
        return data;
    };
    const QByteArray jpeg = saved("JPG"), bmp = saved("BMP");
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                         "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b",
                         35);
    QByteArray bmpSizeZero = bmp;
    bmpSizeZero.replace(2, 4, QByteArray(4, '\0'));
    const struct {
        const char* name;
        QByteArray data;
        bool accepted;
    } cases[] = {
        {"JPEG with a camera's trailer", jpeg + QByteArray(4096, '\x5A'), true},
        {"JPEG cut in its scan", jpeg.left(jpeg.size() * 2 / 3), false},
        {"BMP cut off half-way", bmp.left(bmp.size() / 2), false},
        {"GIF padded after its trailer", gif + QByteArray(64, '\0'), true},
        {"GIF cut in its image", gif.left(gif.size() - 4), false},
        {"BMP whose header gives size 0", bmpSizeZero, true},
        {"BMP whose header gives size 0, cut off", bmpSizeZero.left(bmp.size() / 2), false},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath("picture");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.data);
        file.close();
        const bool accepted = ErrorOf([&] { EXPECT_FALSE(TesmoWidget::loadPicture(path).isEmpty()) << c.name; }) == 0;
        EXPECT_EQ(accepted, c.accepted) << c.name;
    }
}

}  // namespace
}  // namespace tesmo
