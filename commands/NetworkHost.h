// What the command executor needs from the network printer search. The
// network subsystem implements it and registers it with the executor.
#pragma once

namespace setup {

class CNetworkHost {
public:
    virtual ~CNetworkHost() = default;

    // Removes the TCP/IP ports that this run's search created and recorded.
    virtual bool RemoveRecordedPorts() = 0;
};

}  // namespace setup
