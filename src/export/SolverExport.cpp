#include "app/Unit1.h"

void TForm1::ExportAbaqus1Click()
{
}

void TForm1::ExportOpenSees1Click()
{
}
