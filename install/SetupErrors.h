#pragma once

#include "toolkit/CString.h"

// The setup's error objects. They are created on the heap, thrown as pointers and deleted by the one
// handler that catches them, the wizard's Next handler.
class msg_exception {
public:
    explicit msg_exception(unsigned int stringId);
    msg_exception(const msg_exception&) = delete;
    msg_exception& operator=(const msg_exception&) = delete;
    virtual ~msg_exception();

    tk::CString message;  // loaded from the string table when the error is raised
};

// The installation cannot go on: shown in the error box, then the error page.
class msg_install_exception : public msg_exception {
public:
    using msg_exception::msg_exception;
};

// The user stopped the installation: the interrupted page follows, with no box.
class msg_cancel_exception : public msg_exception {
public:
    using msg_exception::msg_exception;
};
