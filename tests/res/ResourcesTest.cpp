#include "BorderPageIds.h"
#include "DialogTemplate.h"
#include "Images.h"
#include "Strings.h"

#include <QImage>
#include <gtest/gtest.h>
#include <set>

namespace {

const int kTemplateIds[] = {100, 102, 129, 132, 133, 134, 143};

bool ShowsPicture(const ControlTemplate& control) {
    const std::uint32_t type = control.style & SS_TYPEMASK;
    return control.controlClass == ControlClass::Static && (type == SS_ICON || type == SS_BITMAP);
}

TEST(DialogTemplates, EveryTemplateIsFoundWithUniqueIdsAndPicturesWhereNeeded) {
    for (int id : kTemplateIds) {
        SCOPED_TRACE(id);
        const DialogTemplate* dialog = FindDialogTemplate(id);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->id, id);
        std::set<int> seen;
        for (const ControlTemplate& control : dialog->controls) {
            SCOPED_TRACE(control.text);
            if (control.id != IDC_STATIC) {
                EXPECT_TRUE(seen.insert(control.id).second) << "duplicate id " << control.id;
            }
            EXPECT_EQ(ShowsPicture(control), control.image != 0);
        }
    }
    EXPECT_EQ(FindDialogTemplate(101), nullptr);
}

TEST(DialogTemplates, HexStylesOfBorderAndColorPagesAddUp) {
    const DialogTemplate* border = FindDialogTemplate(134);
    ASSERT_NE(border, nullptr);
    ASSERT_EQ(border->controls.size(), 58u);
    for (const ControlTemplate& control : border->controls) {
        SCOPED_TRACE(control.id);
        switch (control.controlClass) {
        case ControlClass::Edit:
            EXPECT_EQ(control.style, 0x50810080u);
            break;
        case ControlClass::Button:
            EXPECT_EQ(control.style, 0x50010000u);
            break;
        case ControlClass::ComboBox:
            EXPECT_EQ(control.style, 0x50210103u);
            break;
        case ControlClass::Static:
            EXPECT_EQ(control.style, control.image == 138 ? 0x5000000Eu : 0x50020000u);
            break;
        default:
            ADD_FAILURE() << "unexpected control class";
        }
    }
    EXPECT_EQ(border->controls[36].id, BorderPageIds::IDC_DIAGRAM);
    EXPECT_EQ(border->controls[36].image, IDB_BORDER_SAMPLE);

    const DialogTemplate* color = FindDialogTemplate(143);
    ASSERT_NE(color, nullptr);
    ASSERT_EQ(color->controls.size(), 3u);
    EXPECT_EQ(color->controls[0].style, 0x50A10103u);
}

TEST(Strings, MessagesLoadCharacterForCharacter) {
    const struct {
        StringId id;
        const char* text;
    } messages[] = {
        {IDS_ABOUTBOX, "&About Kinetara..."},
        {IDS_FILL_ALL, "Please make sure that all text boxes are filled."},
        {IDS_NEED_TWO, "You need at least 2 items."},
        {IDS_NEED_PATH, "You must give the path and file name to save the file."},
        {IDS_CHOOSE_SPEED, "Please choose the speed. "},
        {IDS_NEED_IMAGE, "Please place the proper image file name."},
    };
    for (const auto& message : messages) {
        EXPECT_EQ(LoadString(message.id), QString::fromUtf8(message.text)) << message.id;
    }
}

TEST(Images, IconAndBitmapLoadAtTheirSizes) {
    EXPECT_EQ(QImage(ImageResourcePath(IDI_MAINFRAME)).size(), QSize(32, 32));
    EXPECT_EQ(QImage(ImageResourcePath(IDB_BORDER_SAMPLE)).size(), QSize(282, 194));
    EXPECT_TRUE(ImageResourcePath(128).isEmpty());
}

} // namespace
