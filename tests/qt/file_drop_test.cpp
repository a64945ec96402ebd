#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <memory>

#include "frontends/qt/form_window.h"
#include "main_window/form1_definition.h"

namespace quillpad::qt {
namespace {

class FileDropTest : public ::testing::Test {
 protected:
  FileDropTest() {
    window.SetEvents(
        {.files_dropped = [this](const std::vector<Text>& paths) { dropped.push_back(paths); }});
  }

  QWidget* Widget(Form1Control control) const { return window.Control(Id(control)); }

  // Drags the data onto the widget and drops it there as the toolkit delivers a drag from
  // another program; true when the drop was taken.
  static bool DragAndDrop(QWidget* onto, const QMimeData& data) {
    const QPoint at = onto->rect().center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(onto, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(onto, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    return drop.isAccepted();
  }

  static std::unique_ptr<QMimeData> Files(const QList<QUrl>& urls) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    // File managers offer the paths as text too, which a text box would take.
    data->setText(urls.front().toString());
    return data;
  }

  FormWindow window{{kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems}, 1};
  std::vector<std::vector<Text>> dropped;
};

TEST_F(FileDropTest, FilesDroppedAnywhereReachTheWindowOnceTheDropIsOver) {
  const auto data = Files({QUrl::fromLocalFile("/tmp/a pad.xml"), QUrl::fromLocalFile("/tmp/б")});
  const auto multi_line = static_cast<QPlainTextEdit*>(Widget(Form1Control::Text16));
  for (QWidget* onto :
       {Widget(Form1Control::Text1), multi_line->viewport(), Widget(Form1Control::Label1),
        Widget(Form1Control::Command1), window.centralWidget()}) {
    ASSERT_TRUE(DragAndDrop(onto, *data)) << onto->objectName().toStdString();
    EXPECT_TRUE(dropped.empty());
    QApplication::processEvents();
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped.front(), (std::vector<Text>{u"/tmp/a pad.xml", u"/tmp/б"}));
    dropped.clear();
  }
  EXPECT_EQ(window.GetText(Id(Form1Control::Text1)), u"");
  EXPECT_EQ(window.GetText(Id(Form1Control::Text16)), u"");
}

TEST_F(FileDropTest, TextDroppedOnATextBoxGoesIntoIt) {
  QMimeData text;
  text.setText(QStringLiteral("Иван"));
  EXPECT_TRUE(DragAndDrop(Widget(Form1Control::Text1), text));
  EXPECT_FALSE(DragAndDrop(window.centralWidget(), text));
  const auto remote = Files({QUrl("https://example.org/pad.xml")});
  EXPECT_TRUE(DragAndDrop(Widget(Form1Control::Text2), *remote));
  EXPECT_FALSE(DragAndDrop(Widget(Form1Control::Label1), *remote));
  QApplication::processEvents();
  EXPECT_TRUE(dropped.empty());
  EXPECT_EQ(window.GetText(Id(Form1Control::Text1)), u"Иван");
  EXPECT_EQ(window.GetText(Id(Form1Control::Text2)), u"https://example.org/pad.xml");
}

TEST_F(FileDropTest, AFileDroppedWithAWebAddressReachesTheWindowWithIt) {
  const auto data =
      Files({QUrl::fromLocalFile("/tmp/pad.xml"), QUrl("https://example.org/pad.xml")});
  ASSERT_TRUE(DragAndDrop(window.centralWidget(), *data));
  QApplication::processEvents();
  ASSERT_EQ(dropped.size(), 1u);
  EXPECT_EQ(dropped.front(), (std::vector<Text>{u"/tmp/pad.xml", u"https://example.org/pad.xml"}));
}

TEST_F(FileDropTest, AWindowWithoutAHandlerForDroppedFilesTakesNone) {
  FormWindow other{{kForm1Window, kForm1Controls, kForm1Menus, kForm1MenuItems}, 1};
  other.SetEvents({});
  EXPECT_FALSE(DragAndDrop(other.centralWidget(), *Files({QUrl::fromLocalFile("/tmp/pad.xml")})));
}

}  // namespace
}  // namespace quillpad::qt
