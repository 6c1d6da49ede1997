#include "app/Unit1.h"
#include "library/CheckList.h"

void TForm1::WireLibrary() {}

void TForm1::FormDestroy()
{
    DeleteAllConcretes();
}

void TForm1::DeleteAllConcretes()
{
    concretes.clear();
    lst1->Clear();
}
