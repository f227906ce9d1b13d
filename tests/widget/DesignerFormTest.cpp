// The Designer plugin: a form naming the control, loaded at run time, and the control as
// Designer makes it.
#include <gtest/gtest.h>

#include <QFile>
#include <QPluginLoader>
#include <QSettings>
#include <QTemporaryDir>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

#include "tesmo/TesmoWidget.h"
#include "ui_ChartForm.h"

namespace tesmo {
namespace {

// The same form through QUiLoader (and the plugin) and through uic's generated code.
TEST(DesignerForm, AFormGivesARunningControlWithItsSettingsAndTheControlsCorrections) {
    QUiLoader loader;
    loader.addPluginPath(QStringLiteral(TESMO_DESIGNER_PLUGIN_DIR));
    ASSERT_TRUE(loader.availableWidgets().contains(QStringLiteral("tesmo::TesmoWidget")));
    QFile file(QStringLiteral(TESMO_CHART_FORM));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::unique_ptr<QWidget> loaded(loader.load(&file));
    ASSERT_NE(loaded, nullptr) << loader.errorString().toStdString();
    QWidget generated;
    Ui::Form ui;
    ui.setupUi(&generated);

    for (auto* chart : {loaded->findChild<TesmoWidget*>(QStringLiteral("chart")), ui.chart}) {
        ASSERT_NE(chart, nullptr);
        EXPECT_FALSE(chart->designMode()) << "a form loaded by the application runs";
        ucTesmo& c = chart->control();
        EXPECT_EQ(c.MapStyle(), enMapStyle::ScaleSystem);
        EXPECT_EQ(c.Title(), "Rain, 2026");
        EXPECT_FLOAT_EQ(c.BaseStep(), 12.5f);
        EXPECT_TRUE(c.ViewGrid());
        EXPECT_EQ(c.Font().Name, "DejaVu Serif");
        EXPECT_TRUE(c.Font().Bold);
        QTemporaryDir dir;
        QSettings saved(dir.filePath("form.ini"), QSettings::IniFormat);
        chart->writeProperties(saved);
        TesmoWidget back;
        back.readProperties(saved);
        EXPECT_EQ(back.control().Font().Name, "DejaVu Serif") << "the form's font is saved";
        TesmoWidget plain;
        plain.control().setLeftScale(1000000);
        EXPECT_EQ(c.LeftScale(), plain.control().LeftScale()) << "corrected as the setter corrects it";
        EXPECT_LT(c.LeftScale(), 1000000);
        EXPECT_EQ(c.BorderStyle(), enBorderStyle::FixedSingle) << "an enum by name";
        EXPECT_EQ(c.TitleColor(), 200 | 20 << 8 | 40 << 16) << "a colour as Designer writes it";
    }
}

TEST(DesignerForm, InDesignerTheControlIsInDesignMode) {
    QPluginLoader plugin(QStringLiteral(TESMO_DESIGNER_PLUGIN_DIR "/libtesmo_designer.so"));
    auto* custom = qobject_cast<QDesignerCustomWidgetInterface*>(plugin.instance());
    ASSERT_NE(custom, nullptr) << plugin.errorString().toStdString();
    EXPECT_EQ(custom->name(), "tesmo::TesmoWidget");
    EXPECT_EQ(custom->includeFile(), "tesmo/TesmoWidget.h");
    EXPECT_TRUE(custom->domXml().contains(QStringLiteral("class=\"tesmo::TesmoWidget\"")));
    EXPECT_FALSE(custom->icon().isNull());
    custom->initialize(nullptr);
    const std::unique_ptr<QWidget> made(custom->createWidget(nullptr));
    QWidget form;
    const std::unique_ptr<QWidget> onAForm(custom->createWidget(&form));
    EXPECT_FALSE(qobject_cast<TesmoWidget*>(onAForm.get())->designMode())
        << "on a form that is not being designed, also in a process that initialised the plugin";
    auto* control = qobject_cast<TesmoWidget*>(made.get());
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->designMode());
    EXPECT_TRUE(control->setProperty("Title", QStringLiteral("Rain")));
    EXPECT_EQ(control->property("Title").toString(), "Rain") << "the property editor's way in";
}

}  // namespace
}  // namespace tesmo
