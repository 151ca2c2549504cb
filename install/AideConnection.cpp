#include "install/AideConnection.h"

namespace olvex {

namespace {

int NoUsers()
{
    return 0;
}
int NoName(int /*index*/, char* /*name*/, int* /*size*/)
{
    return 0;
}
int Refuse(const char* /*user*/, const char* /*fileName*/)
{
    return -1;
}

InstallAide g_current{NoUsers, NoName, Refuse, Refuse};

}  // namespace

const InstallAide& CurrentInstallAide()
{
    return g_current;
}

void UseInstallAide(const InstallAide& calls)
{
    g_current = calls;
}

}  // namespace olvex
