#pragma once
// Keeps the mission from flooding the player with the same kind of sound: explosions, debris
// hits and hits on the player's ship wait a short pause after the last one, and the radio lines
// of the Blg pilots and of the robot voice wait until the previous line has ended. Callers ask
// first (Can...) and, when allowed, play and record, or transmit; a refused sound is dropped.
// The game owns one and advances it once a frame in single-player games.
class Limiter
{
public:
    static constexpr float SoundPause = 0.5f; // seconds between two sounds of one kind
    static constexpr float RobotSilence = 5;  // seconds before the robot's first line

    Limiter() = default;

    // All countdowns lose the frame time; they go on falling below 0.
    void Proceed();

    void ExplosionSound() { _explosion = SoundPause; }
    void DebrisHitSound() { _debrisHit = SoundPause; }
    void PlayerHitSound() { _playerHit = SoundPause; }
    // Play the file as a 2D sound; the party stays silent for its length plus 1 second (plus
    // `extra` for the robot). A file without a length counts as 0 seconds long.
    void TransmitionBlg(const char* file);
    void TransmitionRobot(const char* file, float extra);

    bool CanExplosionSound() const { return _explosion <= 0; }
    bool CanDebrisHitSound() const { return _debrisHit <= 0; }
    bool CanPlayerHitSound() const { return _playerHit <= 0; }
    bool CanTransmitionBlg() const { return _blg <= 0; }
    bool CanTransmitionRobot() const { return _robot <= 0; }

private:
    // Plays the file and returns its length in seconds.
    static float Transmit(const char* file);

    float _explosion = 0;
    float _debrisHit = 0;
    float _playerHit = 0;
    float _blg = 0;
    float _robot = RobotSilence;
};
