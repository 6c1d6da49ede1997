#include "platform/RunGuarded.h"

#include <QString>
#include <exception>

#include "platform/Platform.h"

void ShowCurrentException()
{
    try {
        throw;
    } catch (const std::exception& error) {
        ShowException(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowException(QString());
    }
}
