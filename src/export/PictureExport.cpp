#include "app/Unit1.h"

void TForm1::SavePicturesAs1Click()
{
}
