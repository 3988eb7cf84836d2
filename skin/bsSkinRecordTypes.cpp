// One table per record list ties each type name to its record class, for creating and for writing.
#include "bsSkinRecordTypes.h"

#include <typeinfo>

namespace
{

template <class Base> struct RecordType {
    const char* Name;
    const std::type_info* Class;
    std::unique_ptr<Base> (*Create)(const QString& AIDName);
};

template <class Base, class Record> constexpr RecordType<Base> Type(const char* name)
{
    return {name, &typeid(Record), [](const QString& AIDName) -> std::unique_ptr<Base> {
                return std::make_unique<Record>(AIDName);
            }};
}

const RecordType<TbsDataSkinObject> ObjectTypes[] = {
    Type<TbsDataSkinObject, TbsDataSkinMenuItem>("menuitem"),
    Type<TbsDataSkinObject, TbsDataSkinMainMenuBarItem>("mainmenubaritem"),
    Type<TbsDataSkinObject, TbsDataSkinStdButton>("stdbutton"),
    Type<TbsDataSkinObject, TbsDataSkinMainMenuBarButton>("mainmenubarbutton"),
    Type<TbsDataSkinObject, TbsDataSkinButton>("button"),
    Type<TbsDataSkinObject, TbsDataSkinCaption>("caption"),
    Type<TbsDataSkinObject, TbsDataSkinAnimate>("animate"),
    Type<TbsDataSkinObject, TbsDataUserObject>("userobject"),
};

const RecordType<TbsDataSkinControl> ControlTypes[] = {
    Type<TbsDataSkinControl, TbsDataSkinPanelControl>("panel"),
    Type<TbsDataSkinControl, TbsDataSkinExPanelControl>("expanel"),
    Type<TbsDataSkinControl, TbsDataSkinMenuButtonControl>("menubutton"),
    Type<TbsDataSkinControl, TbsDataSkinButtonControl>("button"),
    Type<TbsDataSkinControl, TbsDataSkinCheckRadioControl>("checkradio"),
    Type<TbsDataSkinControl, TbsDataSkinGaugeControl>("gauge"),
    Type<TbsDataSkinControl, TbsDataSkinSplitterControl>("splitter"),
    Type<TbsDataSkinControl, TbsDataSkinTrackBarControl>("trackbar"),
    Type<TbsDataSkinControl, TbsDataSkinLabelControl>("label"),
    Type<TbsDataSkinControl, TbsDataSkinStdLabelControl>("stdlabel"),
    Type<TbsDataSkinControl, TbsDataSkinUpDownControl>("updown"),
    Type<TbsDataSkinControl, TbsDataSkinGridControl>("grid"),
    Type<TbsDataSkinControl, TbsDataSkinTabControl>("tab"),
    Type<TbsDataSkinControl, TbsDataSkinMainMenuBar>("mainmenubar"),
    Type<TbsDataSkinControl, TbsDataSkinControlBar>("controlbar"),
    Type<TbsDataSkinControl, TbsDataSkinAppMenu>("appmenu"),
    Type<TbsDataSkinControl, TbsDataSkinMemoControl>("memo"),
    Type<TbsDataSkinControl, TbsDataSkinEditControl>("edit"),
    Type<TbsDataSkinControl, TbsDataSkinCheckListBox>("checklistbox"),
    Type<TbsDataSkinControl, TbsDataSkinListBox>("listbox"),
    Type<TbsDataSkinControl, TbsDataSkinComboBox>("combobox"),
    Type<TbsDataSkinControl, TbsDataSkinScrollBarControl>("scrollbar"),
    Type<TbsDataSkinControl, TbsDataSkinSpinEditControl>("spinedit"),
    Type<TbsDataSkinControl, TbsDataSkinScrollBoxControl>("scrollbox"),
    Type<TbsDataSkinControl, TbsDataSkinTreeView>("treeview"),
    Type<TbsDataSkinControl, TbsDataSkinBevel>("bevel"),
    Type<TbsDataSkinControl, TbsDataSkinSlider>("slider"),
    Type<TbsDataSkinControl, TbsDataSkinListView>("listview"),
    Type<TbsDataSkinControl, TbsDataSkinRichEdit>("richedit"),
};

template <class Base, size_t count>
std::unique_ptr<Base> Create(const RecordType<Base> (&types)[count], const QString& AType,
                             const QString& AIDName)
{
    for (const RecordType<Base>& type : types)
        if (AType == QLatin1String(type.Name))
            return type.Create(AIDName);
    return nullptr;
}

// Each class has its own row, so the exact class finds the same name as testing the classes
// from the most derived to the base would.
template <class Base, size_t count>
QString TypeName(const RecordType<Base> (&types)[count], const Base& ARecord)
{
    for (const RecordType<Base>& type : types)
        if (*type.Class == typeid(ARecord))
            return QLatin1String(type.Name);
    return QString();
}

} // namespace

std::unique_ptr<TbsDataSkinObject> CreateSkinObject(const QString& AType, const QString& AIDName)
{
    return Create(ObjectTypes, AType, AIDName);
}

std::unique_ptr<TbsDataSkinControl> CreateSkinControl(const QString& AType, const QString& AIDName)
{
    return Create(ControlTypes, AType, AIDName);
}

QString SkinObjectTypeName(const TbsDataSkinObject& ARecord)
{
    return TypeName(ObjectTypes, ARecord);
}

QString SkinControlTypeName(const TbsDataSkinControl& ARecord)
{
    return TypeName(ControlTypes, ARecord);
}
