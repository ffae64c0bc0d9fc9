#ifndef OE_MAPSTREAM_H_INCLUDED
#define OE_MAPSTREAM_H_INCLUDED

// The stream forms of the string-keyed maps on the engine's streams: the
// unsigned 8-bit version 1, the unsigned 32-bit count, then key and value of
// every entry in the map's order (see oe_hashmap.h). Keys and values travel
// through the streams' typed forms, so bCString keys and values take the
// string hook. Reading clears the map after the version and stops where the
// data ends; entries complete before that point stay stored.

#include <vellmark/containers/oe_map.h>
#include <vellmark/kernel/oe_stream.h>

template <typename T> bCOStream & operator<<(bCOStream & a_Stream, bTStringObjMap<T> const & a_mapValues)
{
    a_mapValues.Write(a_Stream);
    return a_Stream;
}

template <typename T> bCIStream & operator>>(bCIStream & a_Stream, bTStringObjMap<T> & a_mapValues)
{
    a_mapValues.Read(a_Stream);
    return a_Stream;
}

template <typename T> bCOStream & operator<<(bCOStream & a_Stream, bTStringValMap<T> const & a_mapValues)
{
    a_mapValues.Write(a_Stream);
    return a_Stream;
}

template <typename T> bCIStream & operator>>(bCIStream & a_Stream, bTStringValMap<T> & a_mapValues)
{
    a_mapValues.Read(a_Stream);
    return a_Stream;
}

#endif
