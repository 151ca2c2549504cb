#include "install/SetupErrors.h"

msg_exception::msg_exception(unsigned int stringId)
{
    message.LoadString(stringId);
}

msg_exception::~msg_exception() = default;
