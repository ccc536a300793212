#pragma once

#include <QString>

// Whoever opens the employee window to pick participants receives the picked names,
// joined by "、", through this.
class ParticipantReceiver {
public:
    virtual ~ParticipantReceiver() = default;
    virtual void ReceiveParticipants(const QString& participants) = 0;
};
