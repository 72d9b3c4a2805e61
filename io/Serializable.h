#pragma once

class Serializer;
class DeSerializer;

// An object that writes its body to a save file and reads it back. The file's owner
// writes and checks the file head; Serialize and DeSerialize handle only the body.
class Serializable {
public:
    virtual void Serialize(Serializer& serializer) = 0;
    virtual void DeSerialize(DeSerializer& deserializer) = 0;

protected:
    ~Serializable() = default;
};
