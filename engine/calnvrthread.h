// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CALNVRTHREAD_H
#define CALNVRTHREAD_H

#include <QThread>

// Runs one "NVR Calculate" request off the GUI thread: takes the inputs from CalNVRData,
// leaves the recorder total and the result lines there, then emits CalSuc(). The page writes
// the inputs before start() and reads the results only after CalSuc(); no lock is involved.
//
// Create it with new and do not keep it: it deletes itself once the thread has finished.
class CalNVRThread : public QThread
{
    Q_OBJECT

public:
    CalNVRThread();
    ~CalNVRThread() override;

signals:
    void CalSuc();

protected:
    void run() override;
};

#endif
