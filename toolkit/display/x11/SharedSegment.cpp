#include "toolkit/display/x11/SharedSegment.h"

#include "toolkit/display/x11/XlibResources.h"

#include <sys/ipc.h>
#include <sys/shm.h>

namespace tk::x11 {

SharedSegment::~SharedSegment()
{
    if (m_attached) {
        XShmDetach(m_display, &m_info);
        XSync(m_display, False);
    }
    if (m_info.shmaddr != nullptr) {
        shmdt(m_info.shmaddr);
    }
}

bool SharedSegment::Attach(::Display* display, std::size_t bytes)
{
    m_info.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (m_info.shmid < 0) {
        return false;
    }
    void* address = shmat(m_info.shmid, nullptr, 0);
    if (address != reinterpret_cast<void*>(-1)) {  // NOLINT(performance-no-int-to-ptr): shmat's failure value
        m_info.shmaddr = static_cast<char*>(address);
        m_info.readOnly = False;
        const ErrorTrap trap(display);
        XShmAttach(display, &m_info);
        m_attached = !trap.Failed();
        m_display = display;
    }
    // Marked for removal now that both sides hold it: the kernel frees it when both let go, even
    // when the process dies.
    shmctl(m_info.shmid, IPC_RMID, nullptr);
    return m_attached;
}

}  // namespace tk::x11
