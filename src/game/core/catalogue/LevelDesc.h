#pragma once
// One mission offer of a profile's catalogue: its three level files (relative to "levels"), its
// texts, price, client race and gang size. The screens, the profile's current level and the
// level loader share it; its texts are cut to their fields.

class Dealer;

class LevelDesc
{
public:
    // Offer kinds, the list an offer goes to.
    enum eType
    {
        TYPE_FREE,
        TYPE_PAID,
        TYPE_EXCLUSIVE,
    };

    LevelDesc() = default;
    LevelDesc(const char* name, const char* filename, const char* filedesc, const char* filelogic, const char* preview,
              int type, int price, const char* race, const char* desc, const char* fullDesc, const char* message,
              bool available, const char* from, const char* location, int maxPirates);

    void SetName(const char* text);
    const char* GetName() const { return _name; }
    void SetFilename(const char* text);
    const char* GetFilename() const { return _filename; }
    void SetFiledesc(const char* text);
    const char* GetFiledesc() const { return _filedesc; }
    void SetFilelogic(const char* text);
    const char* GetFilelogic() const { return _filelogic; }
    void SetPreview(const char* text);
    const char* GetPreview() const { return _preview; }
    void SetRace(const char* text);
    const char* GetRace() const { return _race; }
    void SetDesc(const char* text);
    const char* GetDesc() const { return _desc; }
    void SetFullDesc(const char* text);
    // The long description, or the short one when there is no long one.
    const char* GetFullDesc() const { return _fullDesc[0] ? _fullDesc : _desc; }
    void SetMessage(const char* text);
    const char* GetMessage() const { return _message; }
    void SetFrom(const char* text);
    const char* GetFrom() const { return _from; }
    void SetLocation(const char* text);
    const char* GetLocation() const { return _location; }

    void SetType(int type) { _type = type; }
    int GetType() const { return _type; }
    void SetPrice(int price) { _price = price; }
    int GetPrice() const { return _price; }
    void SetMaxPirates(int count) { _maxPirates = count; }
    int GetMaxPirates() const { return _maxPirates; }
    void SetAvaliable(bool available) { _available = available; }
    bool GetAvaliable() const { return _available; }
    // Offers carry no dealer yet.
    Dealer* GetDealer() const { return _dealer; }

    // A gang mission: pirates are hired for it.
    bool IsTeam() const { return _maxPirates > 0; }

private:
    bool _available = false;
    char _name[64] = {};
    char _filename[64] = {};
    char _filedesc[64] = {};
    char _filelogic[64] = {};
    char _preview[256] = {};
    int _type = TYPE_FREE;
    int _price = 0;
    char _race[16] = {};
    char _desc[256] = {};
    char _fullDesc[2048] = {};
    char _message[256] = {};
    char _from[32] = {};
    char _location[32] = {};
    int _maxPirates = 0;
    Dealer* _dealer = nullptr;
};
