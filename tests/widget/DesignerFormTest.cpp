// The Designer plugin: a form naming the control, loaded at run time, and the control as
// Designer makes it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPluginLoader>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

#include "tesmo/TesmoWidget.h"

namespace tesmo {
namespace {

const char kForm[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <layout class="QVBoxLayout" name="layout">
   <item>
    <widget class="tesmo::TesmoWidget" name="chart">
     <property name="MapStyle"><number>1</number></property>
     <property name="Title"><string>Rain, 2026</string></property>
     <property name="BaseStep"><double>12.5</double></property>
     <property name="ViewGrid"><bool>true</bool></property>
     <property name="LeftScale"><double>1000000</double></property>
     <property name="BorderStyle"><number>7</number></property>
    </widget>
   </item>
  </layout>
 </widget>
 <customwidgets>
  <customwidget>
   <class>tesmo::TesmoWidget</class>
   <extends>QWidget</extends>
   <header>tesmo/TesmoWidget.h</header>
  </customwidget>
 </customwidgets>
</ui>
)";

TEST(DesignerForm, AFormLoadsAtRunTimeWithItsSettingsAndTheControlsCorrections) {
    QUiLoader loader;
    loader.addPluginPath(QStringLiteral(TESMO_DESIGNER_PLUGIN_DIR));
    ASSERT_TRUE(loader.availableWidgets().contains(QStringLiteral("tesmo::TesmoWidget")));
    QByteArray text(kForm);
    QBuffer buffer(&text);
    const std::unique_ptr<QWidget> form(loader.load(&buffer));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    auto* chart = form->findChild<TesmoWidget*>(QStringLiteral("chart"));
    ASSERT_NE(chart, nullptr);
    EXPECT_FALSE(chart->designMode()) << "a form loaded by the application runs";
    ucTesmo& c = chart->control();
    EXPECT_EQ(c.MapStyle(), enMapStyle::ScaleSystem);
    EXPECT_EQ(c.Title(), "Rain, 2026");
    EXPECT_FLOAT_EQ(c.BaseStep(), 12.5f);
    EXPECT_TRUE(c.ViewGrid());
    TesmoWidget plain;
    plain.control().setLeftScale(1000000);
    EXPECT_EQ(c.LeftScale(), plain.control().LeftScale()) << "corrected as the setter corrects it";
    EXPECT_LT(c.LeftScale(), 1000000);
    EXPECT_EQ(c.BorderStyle(), enBorderStyle::None) << "a value the control refuses leaves the setting as it was";
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
    auto* control = qobject_cast<TesmoWidget*>(made.get());
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->designMode());
    EXPECT_TRUE(control->setProperty("Title", QStringLiteral("Rain")));
    EXPECT_EQ(control->property("Title").toString(), "Rain") << "the property editor's way in";
}

}  // namespace
}  // namespace tesmo
