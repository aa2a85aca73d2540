#include "platform/QtSoundDevice.h"

#include <QSoundEffect>
#include <QUrl>

TQtSoundDevice::TQtSoundDevice() : effect_(std::make_unique<QSoundEffect>()) {}

TQtSoundDevice::~TQtSoundDevice() = default;

bool TQtSoundDevice::Play(const std::string& wavFile) {
    // A fresh source each time: the same file played twice in a row must start again.
    effect_->stop();
    effect_->setSource(QUrl());
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(wavFile)));
    effect_->play();
    return effect_->status() != QSoundEffect::Error;
}

void TQtSoundDevice::Stop() {
    effect_->stop();
}
