// The skinned frame every window of the program but the add-department dialog carries.
#pragma once

class TForm;
class TbsSkinData;
class TbsSkinForm;

// Attaches bsSkinForm1 to AForm with the program's frame settings, linked to ASkinData.
TbsSkinForm* AttachProgramSkinForm(TForm* AForm, TbsSkinData* ASkinData);
