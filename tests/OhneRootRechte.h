// For tests that need the file permissions of an ordinary user while CI runs them as root.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Makes root obey file permissions for a while, as an ordinary user must: the
// capabilities that bypass them leave the effective set and come back at the end.
class TOhneRootRechte
{
public:
    TOhneRootRechte()
    {
        if (!capget(m_alt))
            return;
        __user_cap_data_struct neu[2] = {m_alt[0], m_alt[1]};
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            neu[cap / 32].effective &= ~(1u << (cap % 32));
        m_aktiv = capset(neu);
    }
    ~TOhneRootRechte()
    {
        if (m_aktiv)
            capset(m_alt);
    }
    // Without the drop, root would pass every permission check and the test would prove nothing.
    bool wirksam() const { return m_aktiv || geteuid() != 0; }

private:
    static bool capget(__user_cap_data_struct* daten)
    {
        __user_cap_header_struct kopf{_LINUX_CAPABILITY_VERSION_3, 0};
        return syscall(SYS_capget, &kopf, daten) == 0;
    }
    static bool capset(__user_cap_data_struct* daten)
    {
        __user_cap_header_struct kopf{_LINUX_CAPABILITY_VERSION_3, 0};
        return syscall(SYS_capset, &kopf, daten) == 0;
    }

    __user_cap_data_struct m_alt[2] = {};
    bool m_aktiv = false;
};
