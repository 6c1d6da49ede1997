#include "app/Unit1.h"

void TForm1::OpenLibrary1Click()
{
}

void TForm1::SaveLibrary1Click()
{
}

void TForm1::SaveLibraryAs1Click()
{
}
